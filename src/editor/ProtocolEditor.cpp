#include "editor/ProtocolEditor.h"

#include "model/NamesAndAddresses.h"

ProtocolEditor::ProtocolEditor(QWidget* parent) : ResizableDialog(kTemplateNumber, parent) {
    setWindowTitle(QStringLiteral("New %1 Protocol")
                       .arg(QString::fromUtf8(names::kRegistryDisplayName.data(),
                                              static_cast<int>(names::kRegistryDisplayName.size()))));
}

ProtocolEditor::~ProtocolEditor() = default;

int ProtocolEditor::exec() {
    if (!m_title.isEmpty())
        setWindowTitle(m_title);
    return ResizableDialog::exec();
}
