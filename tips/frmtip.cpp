#include "frmtip.h"

#include "app/settings.h"
#include "app/topwindows.h"
#include "widgets/layout.h"
#include "widgets/pictures.h"
#include "platform/platform.h"
#include "widgets/twips.h"
#include "tipsfile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace {

QPointer<frmTip> g_window;

void whiteBackground(QWidget* w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

frmTip::State& frmTip::state()
{
    static State s;
    return s;
}

void frmTip::resetRunState() { state() = State{}; }

frmTip* frmTip::instance() { return g_window.data(); }

QString frmTip::missingFileText()
{
    return QStringLiteral("Le fichier ") + tips::kTipsFileName
           + QStringLiteral(" n'a pas été trouvé? ") + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Créez un fichier texte nommé ") + tips::kTipsFileName
           + QStringLiteral(" en utilisant le Bloc-notes avec une astuce par ligne. ")
           + QStringLiteral("Puis placez le dans le même dossier que l'application.");
}

frmTip* frmTip::Load()
{
    if (g_window)
        return g_window;
    auto* w = new frmTip;
    g_window = w;
    w->Form_Load();
    if (w->m_closedWhileLoading)
        return nullptr; // already on its way out
    return w;
}

void frmTip::ShowModal()
{
    if (frmTip* open = instance()) {
        // Already open from the menu: there is nothing to wait for but it.
        open->raise();
        open->activateWindow();
        return;
    }
    frmTip* w = Load();
    if (!w)
        return; // closed itself while loading: the caller goes on
    topwindows::centreOnScreen(w);
    // exec() returns once the window is closed and then deletes it.
    w->exec();
}

void frmTip::ShowModeless()
{
    if (frmTip* open = instance()) {
        topwindows::showInFront(open);
        return;
    }
    frmTip* w = Load();
    if (!w)
        return;
    topwindows::centreOnScreen(w);
    topwindows::showInFront(w);
}

frmTip::frmTip() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmTip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Astuce du jour"));
    setWindowIcon(pictures::windowIcon(QStringLiteral(":/images/bulb.png")));
    // A title and a close box; no minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips::toPixels(5895.0), twips::toPixels(3285.0));

    // Created in tab order; the tip and its heading lie on the white panel
    // with the light bulb drawn at its top-left corner.
    const layout::Create button = layout::create<QPushButton>, label = layout::create<QLabel>;
    const layout::Control controls[] = {
        {cmdOK, button, "cmdOK", nullptr, {4080, 120, 1335, 375}, "OK"},
        {Picture1, label, "Picture1", nullptr, {120, 120, 3735, 2715}, {}, {},
         Qt::AlignLeft | Qt::AlignTop},
        {cmdNextTip, button, "cmdNextTip", nullptr, {4080, 600, 1335, 375}, "Astuce &suivante"},
        {chkLoadTipsAtStartup, layout::create<QCheckBox>, "chkLoadTipsAtStartup", nullptr,
         {120, 2940, 2895, 315}, "&Afficher les astuces au démarrage"},
        {lblTipText, label, "lblTipText", "Picture1", {180, 840, 3255, 1635}, {}, {},
         Qt::AlignLeft | Qt::AlignTop},
        {Label1, label, "Label1", "Picture1", {540, 180, 2655, 255}, "Savez-vous..."},
    };
    layout::build(this, controls);

    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(1);
    Picture1->setPixmap(pictures::forWidget(QStringLiteral(":/images/bulb.png"), Picture1));
    whiteBackground(Picture1);
    chkLoadTipsAtStartup->setChecked(false);
    // The file's text is shown as it is written, never read as markup.
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    whiteBackground(lblTipText);
    Label1->setTextFormat(Qt::PlainText);
    whiteBackground(Label1);

    QWidget::setTabOrder(cmdOK, cmdNextTip);
    QWidget::setTabOrder(cmdNextTip, chkLoadTipsAtStartup);

    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    // Every change of state, by the user or from code, saves the setting.
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this,
            &frmTip::chkLoadTipsAtStartup_Click);

    topwindows::endWhenLastWindowCloses(this);
}

frmTip::~frmTip()
{
    if (g_window == this)
        g_window = nullptr;
}

void frmTip::Form_Load()
{
    if (settings::GetIntSetting(settings::kOptions, settings::kShowTips, 1) == 0) {
        m_closedWhileLoading = true;
        g_window = nullptr;
        topwindows::closeAndDestroy(this);
        return;
    }
    chkLoadTipsAtStartup->setChecked(true);
    const QString path =
        platform::joinPath(platform::environment().programFolder(), tips::kTipsFileName);
    if (!LoadTips(path))
        lblTipText->setText(missingFileText());
}

bool frmTip::LoadTips(const QString& sFile)
{
    const std::optional<QStringList> lines = tips::readTipsFile(sFile);
    if (!lines)
        return false;
    // Appended, not replacing: a later opening in the run repeats the file's
    // lines after the earlier ones, which keeps the same cycle on screen.
    state().TipList += *lines;
    AdvanceTip();
    return true;
}

void frmTip::AdvanceTip()
{
    State& s = state();
    s.TipIndex += 1;
    if (s.TipIndex > s.TipList.size())
        s.TipIndex = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    const State& s = state();
    // Before the first tip (or with an empty list) there is nothing to show.
    if (s.TipIndex < 1 || s.TipIndex > s.TipList.size())
        return;
    lblTipText->setText(s.TipList.at(s.TipIndex - 1));
}

void frmTip::cmdNextTip_Click() { AdvanceTip(); }

void frmTip::cmdOK_Click() { close(); }

void frmTip::chkLoadTipsAtStartup_Click()
{
    settings::SaveSetting(settings::kOptions, settings::kShowTips,
                          chkLoadTipsAtStartup->isChecked() ? QStringLiteral("1")
                                                            : QStringLiteral("0"));
}

void frmTip::closeEvent(QCloseEvent* event)
{
    // From now on a request from the menu builds a new window: this one is
    // about to be destroyed.
    if (g_window == this)
        g_window = nullptr;
    QDialog::closeEvent(event);
}
