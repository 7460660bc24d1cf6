// Form1: the window, its layout, its menus, its load and resize handlers, the
// exercise options and the drawing of numbers. The board, the check and the
// solution have files of their own beside this one.
#include "form1.h"

#include "about/frmabout.h"
#include "widgets/announcements.h"
#include "app/topwindows.h"
#include "boardrow.h"
#include "numbers.h"
#include "widgets/accessibility.h"
#include "widgets/captionframe.h"
#include "widgets/fonts.h"
#include "widgets/latekeys.h"
#include "widgets/layout.h"
#include "widgets/pictures.h"
#include "platform/platform.h"
#include "widgets/twips.h"
#include "tips/frmtip.h"
#include "widgets/wrappingbutton.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

namespace {

QPointer<Form1> g_window;

const QColor kDarkRed(192, 0, 0);
const QColor kPurple(192, 0, 192);
const QColor kBlue(0, 0, 255);

QFont arialBold(double points) { return fonts::named(QStringLiteral("Arial"), points, true); }


void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}

BoardCell* boardCell(BoardRow* row, const QString& name, int index, const QString& text)
{
    auto* label = new BoardCell(row, index);
    label->setObjectName(name);
    label->setText(text);
    label->setFont(arialBold(9.75));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    twips::place(label, 120 + 1080 * index, 240, 1050, 340);
    row->adopt(label);
    return label;
}

BoardRow* boardRow(QWidget* parent, const char* name, double top, const char* accessibleName,
                   const char* cellPrefix, const char* whenEmpty)
{
    auto* frame = new BoardRow(parent, QString::fromUtf8(accessibleName),
                               QString::fromUtf8(cellPrefix), QString::fromUtf8(whenEmpty));
    frame->setObjectName(QString::fromUtf8(name));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    twips::place(frame, 120, top, 8895, 735);
    return frame;
}

} // namespace

const QColor Form1::kLightYellow(255, 255, 192);
const QColor Form1::kLightOrange(255, 192, 128);
const QColor Form1::kPink(255, 128, 128);
const QColor Form1::kLightGreen(192, 255, 192);

Form1::State& Form1::state()
{
    static State s;
    return s;
}

void Form1::resetRunState() { state() = State{}; }

Form1* Form1::instance() { return g_window.data(); }

Form1* Form1::Load()
{
    if (g_window)
        return g_window;
    auto* w = new Form1;
    g_window = w;
    w->Form_Load();
    return g_window;
}

Form1* Form1::Show()
{
    Form1* w = Load();
    if (!w)
        return nullptr;
    if (!w->shownOnce) {
        w->shownOnce = true;
        topwindows::centreOnScreen(w);
        // The first stop of the Tab chain, the selected level.
        w->tabStops().constFirst()->setFocus(Qt::OtherFocusReason);
    }
    topwindows::showInFront(w);
    return w;
}

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Range en ordre montivant ou démontivant"));
    setWindowIcon(pictures::windowIcon(QStringLiteral(":/images/form1.png")));
    setFont(fonts::dialogDefault());
    latekeys::guardMenus(this);
    buildMenus();
    buildControls();
    setTabOrder();
    nameGroups();
    topwindows::endWhenLastWindowCloses(this);
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    Fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    Fichier->setObjectName(QStringLiteral("Fichier"));
    mnAstuces = Fichier->addAction(QStringLiteral("&Astuces"));
    mnAstuces->setObjectName(QStringLiteral("mnAstuces"));
    Quitter = Fichier->addAction(QStringLiteral("&Quitter"));
    Quitter->setObjectName(QStringLiteral("Quitter"));
    quoi = menuBar()->addMenu(QStringLiteral("&?"));
    quoi->setObjectName(QStringLiteral("quoi"));
    apropos = quoi->addAction(QStringLiteral("&A propos"));
    apropos->setObjectName(QStringLiteral("apropos"));
    connect(mnAstuces, &QAction::triggered, this, &Form1::mnAstuces_Click);
    connect(Quitter, &QAction::triggered, this, &Form1::Quitter_Click);
    connect(apropos, &QAction::triggered, this, &Form1::apropos_Click);
}

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // The client area is 9210 x 5130 twips below the menu bar.
    resize(twips::toPixels(9210.0), twips::toPixels(5130.0) + menuBar()->sizeHint().height());

    using layout::create;
    const layout::Create radio = create<QRadioButton>, button = create<WrappingButton>,
                         frame = create<CaptionFrame>, label = create<QLabel>;
    const layout::Font bold{"Arial", 9.75, true};
    const layout::Font score{"Arial", 14.25, true};
    const layout::Control controls[] = {
        {Frame6, create<UnseenCaptionFrame>, "Frame6", nullptr, {1440, 3720, 5535, 255}},
        {Option4[1], radio, "Option4_1", "Frame6", {2640, 0, 1815, 255}, "nombres décimaux"},
        {Option4[0], radio, "Option4_0", "Frame6", {240, 0, 1815, 255}, "nombres entiers"},
        {Frame3, frame, "Frame3", nullptr, {120, 3000, 3015, 615}, "Choisis !"},
        {Option2, radio, "Option2", "Frame3", {1440, 240, 1455, 255}, "Démontivant", bold},
        {Option1, radio, "Option1", "Frame3", {120, 240, 1215, 255}, "Montivant", bold},
        {Generer, button, "Generer", nullptr, {7800, 2160, 1250, 855}, "&Générer les nombres"},
        {Arreter, button, "Arrêter", nullptr, {7800, 4080, 1250, 855}, "&Quitter"},
        {Verifier, button, "Vérifier", nullptr, {7830, 3120, 1250, 855}, "&Vérifier"},
        {cmdSort, button, "cmdSort", nullptr, {6360, 4095, 1250, 855}, "Solution !"},
        {Frame5, frame, "Frame5", nullptr, {120, 2160, 7335, 615}, "Niveau :"},
    };
    layout::build(client, controls);
    // The levels from the table of levels, the highest first.
    for (int i = kLevelCount - 1; i >= 0; --i) {
        const Level& l = kLevels[size_t(i)];
        layout::add(client, {Option3[i], radio, QStringLiteral("Option3_%1").arg(i), "Frame5",
                             {l.left, 240, l.width, 195}, QString::fromUtf8(l.caption)});
    }
    const layout::Control scores[] = {
        {Frame4, frame, "Frame4", nullptr, {120, 3960, 6135, 975}, "Score"},
        {Image1, label, "Image1", "Frame4", {240, 270, 480, 480}},
        {Image2, label, "Image2", "Frame4", {5400, 270, 480, 480}},
        {Label3[0], label, "Label3_0", "Frame4", {1080, 270, 495, 480}, {}, score, Qt::AlignCenter},
        {Label3[1], label, "Label3_1", "Frame4", {4560, 270, 495, 480}, {}, score, Qt::AlignCenter},
        {Label4, label, "Label4", "Frame4", {2340, 270, 1455, 480}, {}, {"Arial", 18, true},
         Qt::AlignCenter},
    };
    layout::build(client, scores);
    buildBoard(client);
    layout::add(client, {Label2, label, "Label2", nullptr, {3360, 3120, 4095, 375},
                         "Ex. : 698 > 455 > 362 > 19", {"Arial", 15.75, true}, Qt::AlignCenter});

    setTextColour(Option2, kPurple);
    setTextColour(Option1, kDarkRed);
    Image1->setPixmap(pictures::forWidget(QStringLiteral(":/images/image1.png"), Image1));
    Image1->hide();
    Image2->setPixmap(pictures::forWidget(QStringLiteral(":/images/image2.png"), Image2));
    Image2->hide();
    // Read by a screen reader with what they count.
    accessibility::nameAfterText(Label3[0], QStringLiteral("Réussites : "), QStringLiteral("0"));
    accessibility::nameAfterText(Label3[1], QStringLiteral("Échecs : "), QStringLiteral("0"));
    accessibility::nameAfterText(Label4, QStringLiteral("Note : "), QStringLiteral("aucune"));
    Image1->setAccessibleName(QStringLiteral("Réussi"));
    Image2->setAccessibleName(QStringLiteral("Raté"));
    setTextColour(Label2, kPurple);
    setBackground(Label2, kLightYellow);
    connectHandlers();
}

// The two rows of the board: the slots first, then the tiles, each row's
// cells from the last to the first.
void Form1::buildBoard(QWidget* client)
{
    Frame2 = boardRow(client, "Frame2", 1200, "Cases de la réponse", "Case %1 : ", "vide");
    for (int k = 7; k >= 0; --k) {
        Label5[k] = boardCell(Frame2, QStringLiteral("Label5_%1").arg(k), k, QString());
        setBackground(Label5[k], kLightGreen);
        Label5[k]->installEventFilter(this);
    }
    Frame1 = boardRow(client, "Frame1", 240, "Nombres proposés", "Nombre %1 : ", "");
    for (int i = 7; i >= 0; --i) {
        BoardCell* tile = boardCell(Frame1, QStringLiteral("Label1_%1").arg(i), i, QStringLiteral("?"));
        // Blue numbers in a frame of the slots' colour.
        QPalette p = tile->palette();
        p.setColor(QPalette::Text, kBlue);
        tile->setPalette(p);
        tile->setTextRole(QPalette::Text);
        setBackground(tile, kLightYellow);
        tile->installEventFilter(this);
        Label1[i] = tile;
    }
    new Board(client, QStringLiteral("Nombres et cases"), Frame1, Frame2);
}

void Form1::connectHandlers()
{
    // Start selections, made before the handlers are connected: the load
    // handler sets the bounds itself.
    Option4[0]->setChecked(true);
    Option2->setChecked(true);
    Option3[0]->setChecked(true);

    // An option selected by a click or from code runs its handler; one that is
    // deselected runs nothing.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });
    for (int i = 0; i < kLevelCount; ++i)
        connect(Option3[i], &QRadioButton::toggled, this,
                [this, i](bool on) { if (on) Option3_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(Option4[i], &QRadioButton::toggled, this,
                [this, i](bool on) { if (on) Option4_Click(i); });
    connect(Generer, &QPushButton::clicked, this, &Form1::Generer_Click);
    connect(Arreter, &QPushButton::clicked, this, &Form1::Arreter_Click);
    connect(Verifier, &QPushButton::clicked, this, &Form1::Verifier_Click);
    connect(cmdSort, &QPushButton::clicked, this, &Form1::cmdSort_Click);
    connect(Frame1, &BoardRow::activated, this, &Form1::Frame1_Activated);
    connect(Frame2, &BoardRow::activated, this, &Form1::Frame2_Activated);

    // Escape presses the cancel button wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (Arreter->isEnabled())
            Arreter->click();
    });
}

void Form1::setTabOrder()
{
    // Level options, cmdSort, Vérifier, Arrêter, Generer, order, kind, then
    // the board's two rows. Qt's own chain is set too (for what walks it, such
    // as a focus that leaves a row); focusNextPrevChild walks the stops.
    QList<QWidget*> chain(Option3.begin(), Option3.end());
    chain += {cmdSort, Verifier, Arreter, Generer, Option1, Option2, Option4[0], Option4[1],
              Frame1, Frame2};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

QList<QWidget*> Form1::tabPlaces() const
{
    // An option group is entered on its selected option, as on every desktop:
    // the arrow keys then move the choice within the group.
    auto selected = [](const QList<QRadioButton*>& group) -> QWidget* {
        for (QRadioButton* b : group)
            if (b->isChecked())
                return b;
        return group.constFirst();
    };
    return {selected(QList<QRadioButton*>(Option3.begin(), Option3.end())),
            cmdSort, Verifier, Arreter, Generer,
            selected({Option1, Option2}),
            selected({Option4[0], Option4[1]}),
            Frame1, Frame2};
}

QList<QWidget*> Form1::tabStops() const
{
    QList<QWidget*> stops;
    for (QWidget* w : tabPlaces())
        if (w->isEnabled() && w->isVisibleTo(this))
            stops.append(w);
    return stops;
}

bool Form1::focusNextPrevChild(bool next)
{
    const QList<QWidget*> places = tabPlaces();
    // Where the focus is now: a place of the chain (perhaps one that has just
    // been disabled, so that the focus moves on from there), or an option of a
    // group, which stands at its group's place.
    QWidget* focus = focusWidget();
    int at = places.indexOf(focus);
    if (at < 0 && focus) {
        auto* option = qobject_cast<QRadioButton*>(focus);
        for (int i = 0; option && i < places.size(); ++i)
            if (qobject_cast<QRadioButton*>(places[i])
                && places[i]->parentWidget() == option->parentWidget())
                at = i;
    }
    const int n = int(places.size());
    const int from = at >= 0 ? at : (next ? -1 : n);
    for (int step = 1; step <= n; ++step) {
        QWidget* to = places[((from + (next ? step : -step)) % n + n) % n];
        if (to != focus && to->isEnabled() && to->isVisibleTo(this)) {
            to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

QList<QWidget*> Form1::controlsInOrder() const
{
    QList<QWidget*> order = {Frame6, Option4[1], Option4[0], Frame3, Option2, Option1,
                             Generer, Arreter, Verifier, cmdSort, Frame5};
    for (int i = kLevelCount - 1; i >= 0; --i)
        order.append(Option3[i]);
    order += {Frame4, Image1, Image2, Label3[0], Label3[1], Label4, Frame2};
    for (int k = 7; k >= 0; --k)
        order.append(Label5[k]);
    order.append(Frame1);
    for (int i = 7; i >= 0; --i)
        order.append(Label1[i]);
    order.append(Label2);
    return order;
}

void Form1::setBackground(QWidget* control, const QColor& colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::Window, colour);
    control->setPalette(p);
    control->setAutoFillBackground(true);
    noteTileColour(control, colour);
}

QColor Form1::background(const QWidget* control) const
{
    return control->palette().color(QPalette::Window);
}

// ---- Load, resize, quit and menus ----------------------------------------

void Form1::Form_Load()
{
    if (platform::singleCopy().anotherCopyRunning()) {
        platform::application().terminateSilently();
        // Only reached when the platform lets the call return (tests): the
        // window of this copy must not exist any more.
        g_window = nullptr;
        deleteLater();
        return;
    }
    Option3_Click(0);
    State& s = state();
    s.OldWidth = float(twips::fromPixels(width()));
    s.OldHeight = float(twips::fromPixels(height()));
    s.score.Successes = 0;
    cmdSort->setEnabled(false);
}

void Form1::Form_Resize()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    State& s = state();
    const float newWidth = float(twips::fromPixels(width()));
    const float newHeight = float(twips::fromPixels(height()));
    // A size of 0 would make a ratio of 0 now and a division by 0 later: the
    // layout could never come back. Such a change is passed over.
    if (!(s.OldWidth > 0 && s.OldHeight > 0 && newWidth > 0 && newHeight > 0))
        return;
    const float rx = newWidth / s.OldWidth;
    const float ry = newHeight / s.OldHeight;
    if (rx != 1.0f || ry != 1.0f) {
        for (QWidget* control : controlsInOrder()) {
            const QRectF g = twips::geometry(control);
            twips::place(control, g.left() * rx, g.top() * ry, g.width() * rx, g.height() * ry);
        }
    }
    s.OldWidth = newWidth;
    s.OldHeight = newHeight;
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button, or else the default button Vérifier.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            if (button->window() == this && button->isEnabled()) {
                button->click();
                return;
            }
        }
        if (Verifier->isEnabled())
            Verifier->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (boardEvent(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Arreter_Click() { platform::application().quit(); }

void Form1::Quitter_Click() { platform::application().quit(); }

void Form1::mnAstuces_Click() { frmTip::ShowModeless(); }

void Form1::apropos_Click() { frmAbout::ShowModeless(); }

// ---- Options and the drawing ----------------------------------------------

void Form1::Option1_Click()
{
    setTextColour(Label2, kDarkRed);
    setBackground(Label2, kLightYellow);
    Label2->setText(QStringLiteral("Ex. : 19 < 362 < 455 < 698"));
    if (Generer->isEnabled())
        Generer->setFocus();
}

void Form1::Option2_Click()
{
    setTextColour(Label2, kPurple);
    setBackground(Label2, kLightYellow);
    Label2->setText(QStringLiteral("Ex. : 698 > 455 > 362 > 19"));
    if (Generer->isEnabled())
        Generer->setFocus();
}

void Form1::Option3_Click(int index)
{
    if (!Option3[index]->isChecked())
        return;
    const LevelBounds b = levelBounds(index);
    state().RangeMin = b.RangeMin;
    state().RangeMax = b.RangeMax;
}

void Form1::Option4_Click(int)
{
    // The levels that decimals do not allow are greyed out while decimals are
    // chosen.
    const bool decimals = Option4[1]->isChecked();
    if (!decimals && !Option4[0]->isChecked())
        return;
    if (decimals) {
        // Selecting level 0 deselects the others and runs its own handler.
        if (Option3[0]->isChecked())
            Option3_Click(0);
        else
            Option3[0]->setChecked(true);
    }
    for (int i = 0; i < kLevelCount; ++i)
        if (!kLevels[size_t(i)].withDecimals)
            Option3[i]->setEnabled(!decimals);
}

void Form1::Generer_Click()
{
    const State& s = state();
    const LevelBounds bounds{s.RangeMin, s.RangeMax};
    const QString separator = platform::environment().decimalSeparator();
    platform::Random& random = platform::random();
    const bool integers = Option4[0]->isChecked();
    const bool decimals = !integers && Option4[1]->isChecked();
    for (int i = 0; i < 8; ++i) {
        random.mixInClock();
        if (integers) {
            Label1[i]->setText(formatInteger(drawInteger(bounds, random.next())));
        } else if (decimals) {
            const double r1 = random.next();
            const double r2 = random.next();
            Label1[i]->setText(formatDecimal(drawDecimal(bounds, r1, r2), separator));
        }
        setBackground(Label1[i], kLightYellow);
    }

    QStringList texts;
    for (QLabel* tile : Label1)
        texts.append(tile->text());
    removeEqualNumbers(texts, separator);
    for (int i = 0; i < 8; ++i)
        Label1[i]->setText(texts[i]);

    for (QLabel* slot : Label5)
        slot->setText(QString());
    pickTile(-1);
    Generer->setEnabled(false);
    Verifier->setEnabled(true);
    cmdSort->setEnabled(false);
    accessibility::announce(this, announcements::drawn());
}
