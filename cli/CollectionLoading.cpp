#include "cli/CollectionLoading.h"

#include "model/CollectionFile.h"

bool loadCollectionOrReport(const std::string& path, StudyCollection& collection,
                            std::ostream& err) {
    const LoadResult result = CollectionFile::load(path, collection);
    if (result.ok)
        return true;
    if (result.message.empty())
        err << path << ": cannot read a collection from this file\n";
    else
        err << result.message << "\n";
    return false;
}
