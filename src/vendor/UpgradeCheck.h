#pragma once

#include "platform/DialogControls.h"
#include "vendor/UpgradePage.h"
#include "web/PageFetcher.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPushButton;

// The "Check for Upgrade" dialog and the schedule of automatic checks. The main
// window keeps one for its whole life:
//
//     m_upgrade.setParameters("Protoscribe", 1.1f, UpgradeCheck::pageAddressFor(host));
//     if (m_upgrade.isCheckDue()) m_upgrade.exec();   // at start-up
//     m_upgrade.exec();                                // the "&Upgrade" button
//
// The date of the last check lives in the settings value "UpgradeDate"; it is
// written after a check, on Close and when the dialog is destroyed.
class UpgradeCheck : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateNumber = 811;
    static constexpr int kOkId = 1;
    static constexpr int kCloseId = 2;
    static constexpr int kPromptId = 1000;

    // The description shown with the offer is cut to this many characters.
    static constexpr qsizetype kMaxDescriptionLength = 10000;

    static constexpr std::string_view kSettingName = "UpgradeDate";
    static constexpr std::string_view kPagePath = "/Protoscribe/Upgrade";

    using Lines = std::vector<std::string>;
    // Fetches an address as lines; none or no lines when it fails.
    using PageSource = std::function<std::optional<Lines>(const std::string& address)>;
    using Clock = std::function<QDateTime()>;

    // Set up for this program on the maker's site; setParameters changes that.
    explicit UpgradeCheck(QWidget* parent = nullptr);
    ~UpgradeCheck() override;

    void setParameters(const QString& productName, float currentVersion,
                       const std::string& pageAddress);
    static std::string pageAddressFor(std::string_view host);

    // Whether the automatic check is due: eleven or more days after the stored
    // date. A missing or unreadable date is replaced by today's and is not due.
    bool isCheckDue();

    // The "&OK" command: fetch the page, report, offer the download.
    void check();
    // "&Close", Escape and the close box: the check date becomes today.
    void reject() override;

    // The page is fetched with PageFetcher unless a source is set.
    void setPageSource(PageSource source);
    // The time the fetch may take; Deadline::kActionTime unless set.
    void setTimeLimit(std::chrono::milliseconds limit);
    void setClock(Clock clock);

    QString productName() const { return m_productName; }
    float currentVersion() const { return m_currentVersion; }
    std::string pageAddress() const { return m_pageAddress; }
    const UpgradePage& page() const { return m_page; }
    // Null until the due test, a check or Close set it.
    QDate checkDate() const { return m_checkDate; }

    QPushButton* okButton() const;
    QPushButton* closeButton() const;

    // The page's version against the running one, widened from single precision
    // as the program holds it.
    static bool isNewer(double pageVersion, float currentVersion);
    static QString availableText(const QString& productName, const QString& description);
    static QString upToDateText(float currentVersion);
    // A check that learnt nothing: no answer, or a page that names no version.
    static QString unreachableText(const QString& productName, const std::string& pageAddress);
    static QString noVersionText(const std::string& pageAddress);
    static QString noDownloadText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // False when nothing arrived.
    bool readPage();
    // The message for a check that found no newer version, or learnt nothing.
    QString noUpgradeText(bool pageArrived) const;
    // False when the user declined the download.
    bool offerDownload();
    void openDownloadLink();
    void recordCheckDate();
    void writeCheckDate() const;
    QDate today() const;
    void setUpFetcher();

    QString m_productName;
    float m_currentVersion;
    std::string m_pageAddress;
    UpgradePage m_page;
    QDate m_checkDate;
    PageFetcher m_fetcher;
    PageSource m_pageSource;
    Clock m_clock;
    DialogControls m_controls;
};
