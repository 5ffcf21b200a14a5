#include "app/AboutBox.h"

#include "app/Artwork.h"
#include "controls/StyledControlFactory.h"
#include "names/NamesAndAddresses.h"
#include "platform/DialogBuilder.h"

#include <QLabel>
#include <QPushButton>

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

DialogTemplate aboutTemplate() {
    const QString product = fromView(names::kProductName);
    return {
        .number = AboutBox::kTemplateNumber,
        .caption = QStringLiteral("About %1").arg(product),
        .width = 186,
        .height = 100,
        .controls =
            {
                {.id = AboutBox::kBannerId, .kind = ControlKind::Picture, .rect = {0, 0, 186, 34}},
                {.id = AboutBox::kIconId, .kind = ControlKind::Picture, .rect = {12, 44, 20, 20}},
                {.id = AboutBox::kVersionId,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("%1 v%2").arg(product, fromView(names::kProductVersion)),
                 .rect = {42, 45, 136, 9},
                 .style = StyleNoWrap},
                {.id = AboutBox::kBuildDateId,
                 .kind = ControlKind::StaticText,
                 .text = QStringLiteral("Build Date: ") + AboutBox::buildDate(),
                 .rect = {42, 56, 136, 9},
                 .style = StyleNoWrap},
                {.id = AboutBox::kOkId,
                 .kind = ControlKind::DefaultPushButton,
                 .text = QStringLiteral("OK"),
                 .rect = {68, 78, 50, 14}},
            },
    };
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    static const StyledControlFactory factory;
    m_controls = DialogBuilder(factory).build(this, aboutTemplate());
    setFixedSize(size());
    setPictures();
    if (auto* ok = m_controls.get<QPushButton>(kOkId)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
}

void AboutBox::setPictures() {
    if (auto* banner = m_controls.get<QLabel>(kBannerId)) {
        banner->setPixmap(QPixmap::fromImage(Artwork::aboutPicture(banner->size())));
    }
    if (auto* icon = m_controls.get<QLabel>(kIconId)) {
        const int side = std::min(icon->width(), icon->height());
        icon->setPixmap(QPixmap::fromImage(Artwork::programIcon(side)));
    }
}

QString AboutBox::buildDate() {
    return buildDate(__DATE__);
}

QString AboutBox::buildDate(const char* compilerDate) {
    return QString::fromLatin1(compilerDate).simplified();
}
