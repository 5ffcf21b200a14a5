#include "editor/EditorSection.h"

bool EditorSection::offeredFor(const QString& studyType) const {
    const bool interventional = studyType == QLatin1String("Interventional");
    const bool observational = studyType == QLatin1String("Observational");
    switch (offered) {
    case ForInterventional:
        return interventional;
    case ForObservational:
        return observational;
    case ForEitherDesign:
        return interventional || observational;
    case ForExpandedAccess:
        return studyType == QLatin1String("Expanded Access");
    case Always:
        break;
    }
    return true;
}
