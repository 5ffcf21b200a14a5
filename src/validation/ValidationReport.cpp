#include "validation/ValidationReport.h"

#include "validation/DocumentSource.h"
#include "validation/ValidationError.h"

#include <ostream>

bool ValidationReport::writeTo(std::ostream& out) const {
    if (document && !document->unchanged())
        return false;
    out << text;
    return !document || document->copyTo(out);
}

std::string ValidationReport::changedText() const {
    return ValidationError(ValidationError::Code::SerialisationFailed,
                           document ? document->path() : std::string(),
                           "The file changed after it was validated; validate it again")
        .reportText();
}
