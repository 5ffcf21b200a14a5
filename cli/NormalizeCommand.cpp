#include "cli/NormalizeCommand.h"

#include "cli/CliCommand.h"
#include "cli/CollectionLoading.h"
#include "model/CollectionFile.h"
#include "model/StudyCollection.h"

int runNormalize(const std::vector<std::string>& arguments, std::ostream&, std::ostream& err) {
    const std::string& in = arguments.at(0);
    const std::string& outPath = arguments.at(1);
    StudyCollection collection;
    if (!loadCollectionOrReport(in, collection, err))
        return kExitLoadFailed;
    const SaveResult saved = CollectionFile::save(collection, outPath);
    if (!saved.ok) {
        err << outPath << ": " << saved.reason << "\n";
        return kExitWriteFailed;
    }
    return kExitSuccess;
}
