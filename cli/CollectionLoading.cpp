#include "cli/CollectionLoading.h"

#include "model/CollectionFile.h"

bool loadCollectionOrReport(const std::string& path, StudyCollection& collection,
                            std::ostream& err) {
    const LoadResult result = CollectionFile::load(path, collection);
    if (!result.ok) {
        err << result.message << "\n";
        return false;
    }
    if (!result.notKept.empty())
        err << path << ":\n" << result.notKept.message() << "\n";
    return true;
}
