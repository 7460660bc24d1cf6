#include "frmabout.h"

#include "app/topwindows.h"
#include "clickablelabel.h"
#include "mailcursor.h"
#include "maker.h"
#include "widgets/fonts.h"
#include "widgets/layout.h"
#include "widgets/pictures.h"
#include "platform/platform.h"
#include "widgets/twips.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

QPointer<frmAbout> g_window;

const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);

void setColours(QWidget* w, const QColor& text, const QColor* background = nullptr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    if (background) {
        p.setColor(QPalette::Window, *background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void paintLine(QFrame* line, const QColor& colour)
{
    line->setFrameShape(QFrame::NoFrame);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    line->setAutoFillBackground(true);
}

QWidget* linkLabel(QWidget* parent) { return new ClickableLabel(QString(), parent); }

const QString kDescription =
    QStringLiteral("Tu dois ranger dans l'ordre que tu auras choisi les nombres qui te "
                   "seront proposés par l'ordinateur. Au bout de 10 réussites, tu pourras "
                   "jouer avec ...colonne !");

} // namespace

const QString frmAbout::kProgramTitle = QStringLiteral("Ordre montivant ou démontivant");
const std::string frmAbout::kSysInfoKey1 = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string frmAbout::kSysInfoValue1 = "PATH";
const std::string frmAbout::kSysInfoKey2 = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string frmAbout::kSysInfoValue2 = "MSINFO";
const QString frmAbout::kSysInfoProgram = QStringLiteral("MSINFO32.EXE");
const QString frmAbout::kNoSysInfoText =
    QStringLiteral("Les informations système ne sont pas disponibles actuellement");

frmAbout* frmAbout::instance() { return g_window.data(); }

frmAbout* frmAbout::Load()
{
    if (g_window)
        return g_window;
    auto* w = new frmAbout;
    g_window = w;
    w->Form_Load();
    return w;
}

void frmAbout::ShowModeless()
{
    const bool wasOpen = instance() != nullptr;
    frmAbout* w = Load();
    if (!wasOpen)
        topwindows::centreOnScreen(w);
    topwindows::showInFront(w);
}

frmAbout::frmAbout() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips::toPixels(6060.0), twips::toPixels(4305.0));

    // Created in tab order.
    using layout::create;
    const layout::Create label = create<QLabel>, line = create<QFrame>;
    const layout::Font link{"MS Sans Serif", 9.75, true};
    const layout::Control controls[] = {
        {cmdOK, create<QPushButton>, "cmdOK", nullptr, {4560, 3000, 1260, 345}, "OK"},
        {cmdSysInfo, create<QPushButton>, "cmdSysInfo", nullptr, {4560, 3480, 1245, 345},
         "&Infos système..."},
        {lblDescription, label, "lblDescription", nullptr, {210, 1080, 4365, 645}, kDescription,
         {}, Qt::AlignLeft | Qt::AlignTop},
        {Label3, label, "Label3", nullptr, {210, 2160, 5535, 495}, maker::kCredits, {},
         Qt::AlignHCenter | Qt::AlignTop},
        {lblTitle, label, "lblTitle", nullptr, {210, 120, 4845, 480}, {}, {"Arial", 15.75, true}},
        {lblVersion, label, "lblVersion", nullptr, {210, 720, 3885, 225}, {}, {"Arial", 9, true}},
        {lblUrl, linkLabel, "lblUrl", nullptr, {240, 3600, 4095, 255}, maker::kWeb},
        {lblMail, linkLabel, "lblMail", nullptr, {240, 3960, 2175, 255}, maker::kMail, link},
        {Image1, label, "Image1", nullptr, {5160, 120, 630, 1695}},
        // A plain rule under the description, and an etched one (grey over a
        // white line two pixels high) between the credits and the buttons.
        {Line1[0], line, "Line1_0", nullptr, {120, 2040, 5684 - 120, 15}},
        {Line1[2], line, "Line1_2", nullptr, {120, 2760, 5669 - 120, 30}},
        {Line1[1], line, "Line1_1", nullptr, {120, 2760, 5684 - 120, 15}},
    };
    layout::build(this, controls);

    cmdOK->setDefault(true);
    lblDescription->setWordWrap(true);
    const QColor menuColour = QApplication::palette("QMenu").color(QPalette::Window);
    setColours(lblDescription, Qt::black, &menuColour);
    Label3->setWordWrap(true);
    setColours(lblTitle, Qt::black);
    QFont underlined = fonts::named(QStringLiteral("MS Sans Serif"), 9.75, true);
    underlined.setUnderline(true);
    lblUrl->setFont(underlined);
    setColours(lblUrl, kBlue);
    lblUrl->setCursor(Qt::WhatsThisCursor); // an arrow with a question mark
    setColours(lblMail, kBlue);
    lblMail->setToolTip(QStringLiteral("Contactez moi !"));
    lblMail->setCursor(mailcursor::cursor(lblMail->devicePixelRatioF()));
    for (QLabel* plain : {lblDescription, Label3, lblTitle, lblVersion,
                          static_cast<QLabel*>(lblUrl), static_cast<QLabel*>(lblMail)})
        plain->setTextFormat(Qt::PlainText);
    Image1->setPixmap(pictures::forWidget(QStringLiteral(":/images/logo.png"), Image1));
    paintLine(Line1[0], kGrey);
    paintLine(Line1[2], Qt::white);
    paintLine(Line1[1], kGrey);
    Line1[1]->raise();

    // The two links follow the buttons; the other controls take no focus.
    QWidget::setTabOrder(cmdOK, cmdSysInfo);
    QWidget::setTabOrder(cmdSysInfo, lblUrl);
    QWidget::setTabOrder(lblUrl, lblMail);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(lblMail, &ClickableLabel::clicked, this, &frmAbout::lblMail_Click);
    connect(lblUrl, &ClickableLabel::clicked, this, &frmAbout::lblUrl_Click);

    topwindows::endWhenLastWindowCloses(this);
}

frmAbout::~frmAbout()
{
    if (g_window == this)
        g_window = nullptr;
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // A request from the menu from now on builds a new window.
    if (g_window == this)
        g_window = nullptr;
    // Not QDialog::closeEvent: it calls reject(), which here is close()
    // again, and then refuses the close because the window is still visible.
    event->accept();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("À propos de ") + kProgramTitle);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(kVersionMajor)
                            .arg(kVersionMinor)
                            .arg(kVersionRevision));
    lblTitle->setText(kProgramTitle);
    // A title wider than its label in the font at hand takes the free room up
    // to the logo rather than lose its last letters.
    const QRectF g = twips::geometry(lblTitle);
    const double needed =
        twips::fromPixels(lblTitle->fontMetrics().horizontalAdvance(kProgramTitle) + 1);
    const double room = twips::geometry(Image1).left() - g.left();
    if (needed > g.width())
        twips::place(lblTitle, g.left(), g.top(), std::min(needed, room), g.height());
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::reject()
{
    // QDialog's own reject only hides the window: it would stay loaded, come
    // back as it was at the next "A propos", and keep the program running
    // when it was the last window.
    close();
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::lblMail_Click()
{
    if (lblMail->text().isEmpty())
        return;
    platform::shell().open(QStringLiteral("MailTo:") + lblMail->text(), this);
}

void frmAbout::lblUrl_Click()
{
    const QString text = lblUrl->text();
    if (text.isEmpty())
        return;
    const QString scheme = QStringLiteral("http://");
    platform::shell().open(text.startsWith(scheme, Qt::CaseSensitive) ? text : scheme + text,
                           this);
}

QString frmAbout::toolInFolder(const QString& folder)
{
    // "C:\\Windows\\System32\\MSINFO32.EXE" on Windows, "/usr/bin/..." elsewhere.
    return QDir::toNativeSeparators(platform::joinPath(folder, kSysInfoProgram));
}

void frmAbout::StartSysInfo()
{
    QString path;
    bool found = GetKeyValue(platform::kHkeyLocalMachine, QString::fromStdString(kSysInfoKey1),
                             QString::fromStdString(kSysInfoValue1), path);
    if (!found) {
        QString folder;
        if (GetKeyValue(platform::kHkeyLocalMachine, QString::fromStdString(kSysInfoKey2),
                        QString::fromStdString(kSysInfoValue2), folder)) {
            const QString candidate = toolInFolder(folder);
            if (QFileInfo(candidate).isFile()) {
                path = candidate;
                found = true;
            }
        }
    }
    if (found && platform::shell().startProgram(path))
        return;
    platform::dialogs().message(this, kNoSysInfoText, kProgramTitle, platform::MessageIcon::None);
}

bool frmAbout::GetKeyValue(platform::RegKey KeyRoot, const QString& KeyName,
                           const QString& SubKeyRef, QString& KeyVal)
{
    platform::Registry& registry = platform::registry();
    platform::RegKey key = 0;
    // The registry's 8-bit calls take and give texts in the system's local
    // 8-bit encoding.
    const std::string keyName = KeyName.toLocal8Bit().toStdString();
    const std::string valueName = SubKeyRef.toLocal8Bit().toStdString();
    bool read = false;
    if (registry.openKey(KeyRoot, keyName, kKeyAccess, &key) == platform::kErrorSuccess) {
        std::vector<unsigned char> buffer(kValueBufferSize, 0);
        std::uint32_t size = kValueBufferSize;
        std::uint32_t type = 0;
        if (registry.queryValue(key, valueName, &type, buffer.data(), &size)
                == platform::kErrorSuccess
            && size <= kValueBufferSize) {
            // A text ends with a zero byte, which is not part of it; a value
            // of no bytes has none to drop.
            if (size > 0 && buffer[size - 1] == 0)
                --size;
            if (type == platform::kRegSz) {
                // Decoded between its zero bytes: Windows's decoder would end
                // the text at the first one, another system's would keep it.
                const QByteArray bytes(reinterpret_cast<const char*>(buffer.data()),
                                       qsizetype(size));
                QStringList parts;
                for (const QByteArray& part : bytes.split('\0'))
                    parts.append(QString::fromLocal8Bit(part));
                KeyVal = parts.join(QChar(0));
                read = true;
            } else if (type == platform::kRegDword) {
                // Little-endian; the buffer was zeroed, so a short value
                // reads as its bytes followed by zeros.
                const std::uint32_t n = std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8
                                        | std::uint32_t(buffer[2]) << 16
                                        | std::uint32_t(buffer[3]) << 24;
                KeyVal = QString::number(n);
                read = true;
            }
            // Any other type (an expandable text, binary data) is not a value
            // this window can use: it fails, so that the next location is tried.
        }
    }
    if (key != 0)
        registry.closeKey(key);
    if (!read)
        KeyVal.clear();
    return read;
}
