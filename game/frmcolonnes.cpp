// frmColonnes: the window, its controls and menus, the opening, the speeds,
// the new game, the tick and the end of a game.
#include "frmcolonnes.h"

#include "app/handover.h"
#include "app/settings.h"
#include "app/topwindows.h"
#include "widgets/announcements.h"
#include "picturebox.h"
#include "widgets/accessibility.h"
#include "widgets/latekeys.h"
#include "widgets/layout.h"
#include "widgets/pictures.h"
#include "platform/platform.h"
#include "widgets/twips.h"
#include "shape.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>

using namespace colonnes;

namespace {

QPointer<frmColonnes> g_window;

QColor toQColor(Couleur c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The shapes of the window: the frame round the counters, the squares of the
// six colours beside their counts, and the bars between the scores.
QWidget* outline(QWidget* parent) { return new Shape(Shape::Kind::RoundedOutline, QColor(), parent); }

template <int k>
QWidget* square(QWidget* parent)
{
    return new Shape(Shape::Kind::Filled, toQColor(kCouleurs[k + 1]), parent);
}

QWidget* bar(QWidget* parent)
{
    return new Shape(Shape::Kind::Filled, parent->window()->palette().color(QPalette::Dark), parent);
}

// lblScore and lblMeilleur are laid out for one digit: a longer number widens
// the label to the left, its right edge staying where it was laid out, but not
// into the text of a caption on its left in the same row ("SCORE :", whose
// text starts at its left edge). A number too long for the room left is drawn
// in a smaller size; a shorter one gets the laid-out size back.
void setGrowingText(QLabel* lab, const QString& text)
{
    lab->setText(text);
    const QRect laidOut = twips::toPixels(twips::geometry(lab));
    const char kLaidOutFont[] = "montivantLaidOutFont";
    if (!lab->property(kLaidOutFont).isValid())
        lab->setProperty(kLaidOutFont, lab->font());
    QFont font = lab->property(kLaidOutFont).value<QFont>();
    int room = laidOut.right() + 1;
    for (const QLabel* caption : lab->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = caption->geometry();
        if (caption == lab || g.left() >= laidOut.left() || g.bottom() < laidOut.top()
            || g.top() > laidOut.bottom())
            continue;
        const int textEnd = g.left() + caption->contentsRect().left()
                          + caption->fontMetrics().horizontalAdvance(caption->text());
        room = qMin(room, laidOut.right() + 1 - (textEnd + 4));
    }
    while (QFontMetrics(font).horizontalAdvance(text) + 2 > room && font.pointSizeF() > 4)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    lab->setFont(font);
    const int needed = lab->fontMetrics().horizontalAdvance(text) + 2;
    QRect g = laidOut;
    if (needed > laidOut.width())
        g.setLeft(laidOut.right() + 1 - needed);
    lab->setGeometry(g);
}

// A fixed caption whose text is wider than its place (the desktop's font may be
// wider than the one it was laid out for) widens to the right, up to `limit`
// pixels, so that it is not cut.
void fitCaption(QLabel* lab, int limit)
{
    const int needed = lab->fontMetrics().horizontalAdvance(lab->text()) + 2;
    if (needed > lab->width())
        lab->resize(qMin(needed, limit - lab->x()), lab->height());
}

} // namespace

frmColonnes* frmColonnes::instance()
{
    // A window closed from its own handler lives on until the event loop
    // destroys it; it no longer counts as open.
    return g_window && !g_window->m_closed ? g_window.data() : nullptr;
}

frmColonnes* frmColonnes::Load()
{
    if (frmColonnes* open = instance())
        return open;
    auto* w = new frmColonnes;
    g_window = w;
    w->Form_Load();
    return w;
}

frmColonnes::frmColonnes() : QMainWindow(nullptr), m_field(*this)
{
    setObjectName(QStringLiteral("frmColonnes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Colonnes"));
    setWindowIcon(pictures::windowIcon(QStringLiteral(":/images/colonnes.png")));
    // A fixed single border, with a close box and no minimize or maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    latekeys::guardMenus(this);
    buildMenus();
    buildControls();
    setUpSpeech();

    tmrCase = new QTimer(this);
    tmrCase->setObjectName(QStringLiteral("tmrCase"));
    // A precise timer keeps the fall regular at every speed.
    tmrCase->setTimerType(Qt::PreciseTimer);
    connect(tmrCase, &QTimer::timeout, this, &frmColonnes::tmrCase_Timer);

    // Keys act on the game whichever control of the window has the focus.
    qApp->installEventFilter(this);
    topwindows::endWhenLastWindowCloses(this);

    topwindows::centreOnScreen(this);
}

frmColonnes::~frmColonnes()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void frmColonnes::buildMenus()
{
    mnuJeu = menuBar()->addMenu(QStringLiteral("&Jeu"));
    mnuJeu->setObjectName(QStringLiteral("mnuJeu"));
    mnuNouveau = mnuJeu->addAction(QStringLiteral("&Nouveau"));
    mnuNouveau->setObjectName(QStringLiteral("mnuNouveau"));
    mnuNouveau->setShortcut(QKeySequence(Qt::Key_F2));
    mnuSEP00 = mnuJeu->addSeparator();
    mnuSEP00->setObjectName(QStringLiteral("mnuSEP00"));
    mnuQuitter = mnuJeu->addAction(QStringLiteral("&Quitter"));
    mnuQuitter->setObjectName(QStringLiteral("mnuQuitter"));
    mnuQuitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuVitesse = menuBar()->addMenu(QStringLiteral("&Vitesse"));
    mnuVitesse->setObjectName(QStringLiteral("mnuVitesse"));
    static const char* const captions[] = {nullptr, "&1 Très lent", "&2 Lent", "&3 Normal",
                                           "&4 Rapide", "&5 Très rapide"};
    for (int i = 1; i <= 5; ++i) {
        mnuSpeed[i] = mnuVitesse->addAction(QString::fromUtf8(captions[i]));
        mnuSpeed[i]->setObjectName(QStringLiteral("mnuSpeed_%1").arg(i));
        mnuSpeed[i]->setCheckable(true);
        connect(mnuSpeed[i], &QAction::triggered, this, [this, i] { mnuSpeed_Click(i); });
    }
    mnuSpeed[3]->setChecked(true);

    connect(mnuNouveau, &QAction::triggered, this, &frmColonnes::mnuNouveau_Click);
    connect(mnuQuitter, &QAction::triggered, this, &frmColonnes::mnuQuitter_Click);
}

void frmColonnes::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // The client area is 3645 x 4620 twips below the menu bar.
    setFixedSize(twips::toPixels(3645.0), twips::toPixels(4620.0) + menuBar()->sizeHint().height());

    // The frame first, so that the counters and scores lie over it.
    const layout::Create label = layout::create<QLabel>;
    const layout::Font caption{"Arial", 9, true}, count{"Arial", 9.75, true},
        stat{"MS Sans Serif", 8.25, true}, score{"Courier New", 9.75, false};
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop, right = Qt::AlignRight | Qt::AlignTop;
    const layout::Control controls[] = {
        {Shape2, outline, "Shape2", nullptr, {1725, 2025, 1815, 2340}},
        {picZone, layout::create<PictureBox>, "picZone", nullptr, {150, 150, 1480, 4365}},
        {lblVitesse, label, "lblVitesse", nullptr, {1725, 150, 1785, 270}, "Vitesse : 3", caption,
         Qt::AlignCenter},
        {shpCarre[0], square<0>, "shpCarre_0", nullptr, {1725, 750, 240, 240}},
        {lblStatCouleur[0], label, "lblStatCouleur_0", nullptr, {2025, 750, 465, 240}, "0", stat, right},
        {shpCarre[1], square<1>, "shpCarre_1", nullptr, {1725, 1200, 240, 240}},
        {lblStatCouleur[1], label, "lblStatCouleur_1", nullptr, {2025, 1200, 465, 240}, "0", stat, right},
        {shpCarre[2], square<2>, "shpCarre_2", nullptr, {1725, 1650, 240, 240}},
        {lblStatCouleur[2], label, "lblStatCouleur_2", nullptr, {2025, 1650, 465, 240}, "0", stat, right},
        {shpCarre[3], square<3>, "shpCarre_3", nullptr, {2625, 750, 240, 240}},
        {lblStatCouleur[3], label, "lblStatCouleur_3", nullptr, {2925, 750, 465, 240}, "0", stat, right},
        {shpCarre[4], square<4>, "shpCarre_4", nullptr, {2625, 1200, 240, 240}},
        {lblStatCouleur[4], label, "lblStatCouleur_4", nullptr, {2925, 1200, 465, 240}, "0", stat, right},
        {shpCarre[5], square<5>, "shpCarre_5", nullptr, {2625, 1650, 240, 240}},
        {lblStatCouleur[5], label, "lblStatCouleur_5", nullptr, {2925, 1650, 465, 240}, "0", stat, right},
        {lbl[0], label, "lbl_0", nullptr, {1800, 2175, 765, 240}, "Carrés :", caption, left},
        {lblCarres, label, "lblCarres", nullptr, {2625, 2175, 765, 240}, "0", count, right},
        {lbl[1], label, "lbl_1", nullptr, {1800, 2550, 690, 240}, "Blocs :", caption, left},
        {lblBlocs, label, "lblBlocs", nullptr, {2625, 2550, 765, 240}, "0", count, right},
        {shpSeparation[1], bar, "shpSeparation_1", nullptr, {1725, 2850, 1815, 45}},
        {lbl[2], label, "lbl_2", nullptr, {1800, 3000, 690, 240}, "SCORE :", caption, left},
        {lblScore, label, "lblScore", nullptr, {3270, 3000, 120, 240}, "0", score, right},
        {shpSeparation[0], bar, "shpSeparation_0", nullptr, {1725, 3375, 1815, 45}},
        {lbl[3], label, "lbl_3", nullptr, {1800, 3450, 1590, 225}, "MEILLEUR SCORE :", caption, left},
        {lblNom, label, "lblNom", nullptr, {1800, 3750, 1620, 225}, {}, {"Arial", 9, false},
         Qt::AlignHCenter | Qt::AlignTop},
        {lblMeilleur, label, "lblMeilleur", nullptr, {3075, 4050, 120, 240}, "0", score, right},
    };
    layout::build(client, controls);
    lblVitesse->setFrameShape(QFrame::Box);
    // A screen reader cannot see the colour of the square beside each count.
    static const char* const colourNames[6] = {"Rouge : ", "Noir : ", "Vert : ",
                                                "Bleu : ", "Jaune : ", "Magenta : "};
    for (int k = 0; k < 6; ++k)
        accessibility::nameAfterText(lblStatCouleur[k], QString::fromUtf8(colourNames[k]));

    // The captions stay inside the frame; "SCORE :" also clear of its score.
    const int frameInside = twips::toPixels(1725.0 + 1815.0) - 2;
    fitCaption(lbl[0], twips::toPixels(2625.0));
    fitCaption(lbl[1], twips::toPixels(2625.0));
    fitCaption(lbl[2], twips::toPixels(3270.0));
    fitCaption(lbl[3], frameInside);
}

// ---- Drawing, captions and the timer for the field -------------------------

void frmColonnes::fillRect(const QRect& twipsRect, Couleur colour)
{
    picZone->fillTwips(twipsRect, toQColor(colour));
}

void frmColonnes::repaintNow() { picZone->repaint(); }

void frmColonnes::setCaption(Caption which, int index, const QString& text)
{
    switch (which) {
    case Caption::StatCouleur: lblStatCouleur[index]->setText(text); break;
    case Caption::Blocs: lblBlocs->setText(text); break;
    case Caption::Carres: lblCarres->setText(text); break;
    case Caption::Score: setGrowingText(lblScore, text); break;
    case Caption::Meilleur: setGrowingText(lblMeilleur, text); break;
    case Caption::Nom: lblNom->setText(text); break;
    }
    scoreCaptionChanged(which);
}

bool frmColonnes::timerHasInterval() { return m_tmrCaseInterval > 0; }

void frmColonnes::stopTimer() { tmrCase->stop(); }

void frmColonnes::startTimer()
{
    // Without an interval the timer must not run: Qt's would fire continuously.
    if (m_tmrCaseInterval > 0)
        tmrCase->start(m_tmrCaseInterval);
}

// ---- Handlers ---------------------------------------------------------------

void frmColonnes::Form_Load()
{
    platform::random().mixInClock();
    VitesseChoisie = QStringLiteral("3");
    Intervalle = 500;
    m_field.NomMeilleur = settings::GetSetting(settings::kBestScore, settings::kName,
                                               QStringLiteral("Anonyme"));
    lblNom->setText(m_field.NomMeilleur);
    // A stored score that is not a 32-bit whole number reads as the default 10.
    m_field.MeilleurScore = settings::GetIntSetting(settings::kBestScore, settings::kScore, 10);
    setGrowingText(lblMeilleur, QString::number(m_field.MeilleurScore));
}

void frmColonnes::mnuSpeed_Click(int Index)
{
    const int previous = VitesseChoisie.toInt();
    if (previous >= 1 && previous <= 5)
        mnuSpeed[previous]->setChecked(false);
    VitesseChoisie = QString::number(Index);
    Intervalle = 1100 - 200 * Index;
    lblVitesse->setText(QStringLiteral("Vitesse : ") + QString::number(Index));
    mnuSpeed[Index]->setChecked(true);
    speedChanged(Index);
}

void frmColonnes::mnuNouveau_Click()
{
    mnuVitesse->menuAction()->setEnabled(false);
    m_tmrCaseInterval = Intervalle;
    tmrCase->setInterval(Intervalle);
    m_field.NouvellePartie();
    startTimer();
}

void frmColonnes::mnuQuitter_Click() { platform::application().quit(); }

void frmColonnes::Form_KeyDown(int KeyCode, int /*Shift*/)
{
    m_field.KeyDown(KeyCode);
}

void frmColonnes::tmrCase_Timer()
{
    if (m_field.Perdu) {
        endOfGame();
        return;
    }
    m_field.Tombe();
}

void frmColonnes::endOfGame()
{
    // Stopped first: no tick may come while the name box is open.
    tmrCase->stop();
    accessibility::announce(this, announcements::gameOver(lblScore->text()));
    mnuVitesse->menuAction()->setEnabled(true);
    m_field.PeintBlanc();
    if (m_field.ScoreCourant > m_field.MeilleurScore) {
        m_field.MeilleurScore = m_field.ScoreCourant;
        QString name = platform::dialogs()
                           .input(this, QStringLiteral("Bravo! vous avez le meilleur score, votre nom : "),
                                  QStringLiteral("HIGH SCORE"), m_field.NomMeilleur)
                           .trimmed();
        if (name.isEmpty())
            name = QStringLiteral("Anonyme");
        m_field.NomMeilleur = name;
        lblNom->setText(name);
        settings::SaveSetting(settings::kBestScore, settings::kName, name);
        settings::SaveSetting(settings::kBestScore, settings::kScore,
                              QString::number(m_field.ScoreCourant));
    }
    // Inside the timer's own handler: destroyed once the handler has returned.
    handover::backToExercise(this);
}

void frmColonnes::closeEvent(QCloseEvent* event)
{
    // The close box ends the game where it is: nothing is recorded.
    tmrCase->stop();
    m_closed = true;
    event->accept();
}

int frmColonnes::virtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Space: return 32;
    default: break;
    }
    // Qt's codes of letters and digits are their upper-case ASCII codes, as are
    // the virtual-key codes.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    return 0;
}

bool frmColonnes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !m_closed) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // A menu in keyboard navigation keeps its keys.
        if (widget && widget->window() == this && !qobject_cast<QMenuBar*>(widget)
            && !qobject_cast<QMenu*>(widget)) {
            auto* key = static_cast<QKeyEvent*>(event);
            const int code = virtualKeyCode(*key);
            if (GameField::isGameKey(code)) {
                // No game key depends on Shift, Ctrl or Alt.
                Form_KeyDown(code, 0);
                // Used here, so that it does not come back through a parent.
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
