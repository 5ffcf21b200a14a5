#include "editor/StyledBuilder.h"

#include "controls/StyledControlFactory.h"
#include "platform/DialogBuilder.h"

const DialogBuilder& StyledBuilder::get() {
    static const StyledControlFactory factory;
    static const DialogBuilder builder(factory);
    return builder;
}
