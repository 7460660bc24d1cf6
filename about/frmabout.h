// frmAbout, the About window: title, version, description, credits, the mail
// and web links and the start of the system information tool.
#pragma once

#include "platform/registry.h"

#include <QDialog>
#include <QString>
#include <array>

class ClickableLabel;
class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Loads and shows the window modelessly, or brings an open one to the front.
    static void ShowModeless();
    // Builds the window and runs its load handler without showing it; an open
    // window is returned as it is.
    static frmAbout* Load();
    static frmAbout* instance();

    // The program's title, shown by the window and its message box.
    static const QString kProgramTitle;
    // Where the system information tool is recorded.
    static const std::string kSysInfoKey1;
    static const std::string kSysInfoValue1;
    static const std::string kSysInfoKey2;
    static const std::string kSysInfoValue2;
    static const QString kSysInfoProgram;
    static const QString kNoSysInfoText;
    // The access asked for when a key is opened: querying values only, which
    // a standard user is granted under the local-machine root.
    static constexpr std::uint32_t kKeyAccess = platform::kKeyQueryValue;
    // The size of the buffer a value is read into; a longer value fails.
    static constexpr std::uint32_t kValueBufferSize = 1024;

    ~frmAbout() override;

    // Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal:
    // a text value as text, a double-word value as its decimal number. False,
    // with KeyVal emptied, when the key or value is missing, longer than the
    // buffer or of another type.
    static bool GetKeyValue(platform::RegKey KeyRoot, const QString& KeyName,
                            const QString& SubKeyRef, QString& KeyVal);
    // Starts the system information tool, or says that it is unavailable.
    void StartSysInfo();

    // The program the tool's folder of the second location stands for.
    static QString toolInFolder(const QString& folder);

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    ClickableLabel* lblUrl = nullptr;
    ClickableLabel* lblMail = nullptr;
    QLabel* Image1 = nullptr;
    std::array<QFrame*, 3> Line1{};

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblMail_Click();
    void lblUrl_Click();

    // Escape: the window closes and goes, as from OK or its close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmAbout();
};
