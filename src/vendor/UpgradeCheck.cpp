#include "vendor/UpgradeCheck.h"

#include "controls/StyledControlFactory.h"
#include "names/NamesAndAddresses.h"
#include "platform/DialogBuilder.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "vendor/BoundedText.h"
#include "vendor/CheckingWindow.h"
#include "vendor/UpgradeDate.h"
#include "vendor/WebAddress.h"

#include <QPushButton>

namespace {

constexpr float kRunningVersion = 1.1f;

DialogTemplate upgradeTemplate() {
    return {UpgradeCheck::kTemplateNumber,
            QStringLiteral("Check for Upgrade"),
            186,
            60,
            {
                {UpgradeCheck::kPromptId,
                 ControlKind::StaticText,
                 QStringLiteral("Would you like to check for an upgrade of this software?"),
                 {10, 10, 166, 18}},
                {UpgradeCheck::kOkId,
                 ControlKind::DefaultPushButton,
                 QStringLiteral("&OK"),
                 {36, 38, 50, 14}},
                {UpgradeCheck::kCloseId,
                 ControlKind::PushButton,
                 QStringLiteral("&Close"),
                 {100, 38, 50, 14}},
            }};
}

QString settingName() {
    return TextCodec::decode(UpgradeCheck::kSettingName);
}

} // namespace

UpgradeCheck::UpgradeCheck(QWidget* parent)
    : QDialog(parent), m_productName(TextCodec::decode(names::kProductName)),
      m_currentVersion(kRunningVersion), m_pageAddress(pageAddressFor(names::kMakerSite)),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    const StyledControlFactory factory;
    m_controls = DialogBuilder(factory).build(this, upgradeTemplate());
    setFixedSize(size());
    connect(okButton(), &QPushButton::clicked, this, &UpgradeCheck::check);
    connect(closeButton(), &QPushButton::clicked, this, &UpgradeCheck::reject);
    setUpFetcher();
}

UpgradeCheck::~UpgradeCheck() {
    if (m_checkDate.isValid()) {
        writeCheckDate();
    }
}

void UpgradeCheck::setUpFetcher() {
    m_fetcher.setCredentialsCallback(
        [this](const std::string& address) -> std::optional<PageFetcher::Credentials> {
            const auto given = Platform::prompts().credentials(
                this, {m_productName, TextCodec::decode(address), QString()});
            if (!given) {
                return std::nullopt;
            }
            return PageFetcher::Credentials{TextCodec::encode(given->userName),
                                            TextCodec::encode(given->password)};
        });
    m_fetcher.setMessageCallback([this](const std::string& text) {
        Platform::prompts().message(this, {m_productName, TextCodec::decode(text)});
    });
}

void UpgradeCheck::setParameters(const QString& productName, float currentVersion,
                                 const std::string& pageAddress) {
    m_productName = productName;
    m_currentVersion = currentVersion;
    m_pageAddress = pageAddress;
}

std::string UpgradeCheck::pageAddressFor(std::string_view host) {
    std::string address(host);
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address.append(kPagePath);
}

bool UpgradeCheck::isCheckDue() {
    const QDateTime now = m_clock();
    const auto stored = UpgradeDate::parse(Platform::settings().readText(settingName()));
    if (!stored) {
        // A first run (or a value nobody can read): start counting from today.
        m_checkDate = now.date();
        writeCheckDate();
        return false;
    }
    if (!UpgradeDate::isDue(*stored, now)) {
        m_checkDate = *stored;
        return false;
    }
    m_checkDate = now.date();
    return true;
}

void UpgradeCheck::check() {
    m_page.clearDescription();
    const bool arrived = readPage();
    bool declined = false;
    if (m_page.statesVersion() && isNewer(m_page.version(), m_currentVersion)) {
        declined = !offerDownload();
    } else if (m_page.statesVersion()) {
        Platform::prompts().showInformation(this, m_productName, upToDateText(m_currentVersion));
    } else {
        Platform::prompts().message(this, {m_productName, noUpgradeText(arrived),
                                           MessageIcon::Warning, MessageButtons::Ok});
    }
    okButton()->setEnabled(false);
    closeButton()->setDefault(true);
    closeButton()->setFocus();
    recordCheckDate();
    if (declined) {
        done(QDialog::Rejected);
    }
}

void UpgradeCheck::reject() {
    recordCheckDate();
    QDialog::reject();
}

bool UpgradeCheck::readPage() {
    CheckingWindow checking(this);
    checking.showNow();
    if (m_pageSource) {
        const Lines lines = m_pageSource(m_pageAddress).value_or(Lines());
        m_page.read(lines);
        return !lines.empty();
    }
    const TextLines lines = m_fetcher.fetch(m_pageAddress).value_or(TextLines());
    m_page.read(lines);
    return lines.begin() != lines.end();
}

QString UpgradeCheck::noUpgradeText(bool pageArrived) const {
    return pageArrived ? noVersionText(m_pageAddress)
                       : unreachableText(m_productName, m_pageAddress);
}

bool UpgradeCheck::offerDownload() {
    const MessageRequest request{
        QStringLiteral("A new upgrade is available."),
        availableText(m_productName,
                      BoundedText::decode(m_page.description(), kMaxDescriptionLength)),
        MessageIcon::Question, MessageButtons::YesNo};
    if (Platform::prompts().message(this, request) != MessageAnswer::Yes) {
        return false;
    }
    openDownloadLink();
    return true;
}

void UpgradeCheck::openDownloadLink() {
    // The link comes from the network: only a web address goes to the shell.
    const QString link = TextCodec::decode(m_page.downloadLink()).trimmed();
    if (WebAddress::isWebAddress(link)) {
        Platform::shell().open(link);
    } else {
        Platform::prompts().showError(this, m_productName, noDownloadText());
    }
}

void UpgradeCheck::recordCheckDate() {
    m_checkDate = today();
    writeCheckDate();
}

void UpgradeCheck::writeCheckDate() const {
    Platform::settings().writeText(settingName(), UpgradeDate::format(m_checkDate));
}

QDate UpgradeCheck::today() const {
    return m_clock().date();
}

void UpgradeCheck::setPageSource(PageSource source) {
    m_pageSource = std::move(source);
}

void UpgradeCheck::setTimeLimit(std::chrono::milliseconds limit) {
    m_fetcher.setTimeLimit(limit);
}

void UpgradeCheck::setClock(Clock clock) {
    m_clock = std::move(clock);
}

QPushButton* UpgradeCheck::okButton() const {
    return m_controls.get<QPushButton>(kOkId);
}

QPushButton* UpgradeCheck::closeButton() const {
    return m_controls.get<QPushButton>(kCloseId);
}

bool UpgradeCheck::isNewer(double pageVersion, float currentVersion) {
    return pageVersion > static_cast<double>(currentVersion);
}

QString UpgradeCheck::availableText(const QString& productName, const QString& description) {
    return QStringLiteral("A new upgrade of ") + productName +
           QStringLiteral(" is available for download.\n\nDescription:\n\n") + description +
           QStringLiteral("\n\nWould you like to download the upgrade now?");
}

QString UpgradeCheck::upToDateText(float currentVersion) {
    return QStringLiteral("You have the most recent version v") +
           QString::asprintf("%.2f", static_cast<double>(currentVersion)) +
           QStringLiteral("\nNo upgrade is available.");
}

QString UpgradeCheck::unreachableText(const QString& productName,
                                      const std::string& pageAddress) {
    return productName + QStringLiteral(" could not reach ") + TextCodec::decode(pageAddress) +
           QStringLiteral(".\nWhether an upgrade is available is not known; please check the "
                          "network connection and try again later.");
}

QString UpgradeCheck::noVersionText(const std::string& pageAddress) {
    return QStringLiteral("The upgrade page ") + TextCodec::decode(pageAddress) +
           QStringLiteral(" did not say which version is current.\nWhether an upgrade is "
                          "available is not known; please try again later.");
}

QString UpgradeCheck::noDownloadText() {
    return QStringLiteral("The upgrade page offered no usable download address.");
}

void UpgradeCheck::showEvent(QShowEvent* event) {
    // Each showing starts afresh, as a newly opened dialog would.
    okButton()->setEnabled(true);
    okButton()->setDefault(true);
    closeButton()->setDefault(false);
    okButton()->setFocus();
    QDialog::showEvent(event);
}
