#include "pupil.h"

#include "app/finestre.h"
#include "app/frmautore.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "core/clock.h"
#include "forms/messagebox.h"
#include "printing/printer.h"
#include "forms/pushkey.h"
#include "core/random.h"
#include "support/kid.h"
#include "support/printservice.h"
#include "worksheets/frmstampante.h"
#include "worksheets/finestrascheda.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>
#include <algorithm>

namespace Soak {

namespace {

constexpr qint64 Giorno = 24 * 3600 * 1000;
constexpr int Traccia = 40;
// The time stamps of keys and mouse buttons, in milliseconds, never going back over all the
// sessions of one process: Qt and the program compare a stamp with the last one they saw
// (a double click, a repeat split in two), and two sessions must not meet there. A pause
// longer than ten seconds counts as ten, so that a mouse's stamp stays within its 32 bits.
qint64 orologioEventi = 1'000'000;
constexpr qint64 PausaMassimaEventi = 10'000;

QString nameOf(const QObject* o)
{
    if (!o)
        return QStringLiteral("nothing");
    const QObject* w = o->isWidgetType() ? static_cast<const QWidget*>(o)->window() : nullptr;
    QString name = o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
    if (w && w != o)
        name += QStringLiteral(" (%1)").arg(QString::fromLatin1(w->metaObject()->className()));
    return name;
}

// The text a key types, as a keyboard sends it.
QString typed(int key, Qt::KeyboardModifiers modifiers)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar c(key);
        return (modifiers & Qt::ShiftModifier) ? QString(c) : QString(c.toLower());
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar(key));
    switch (key) {
    case Qt::Key_Space:
        return QStringLiteral(" ");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QString(QChar(0x1b));
    default:
        return QString();
    }
}

// A page that is recorded, and that goes to the print service as well when there is one.
class Copia final : public PrinterSurface
{
public:
    Copia(RecordingPrinter& registro, std::unique_ptr<PrinterSurface> carta)
        : registro_(registro), carta_(std::move(carta))
    {
    }
    void setCurrentX(double t) override { both([&](PrinterSurface& s) { s.setCurrentX(t); }); }
    void setCurrentY(double t) override { both([&](PrinterSurface& s) { s.setCurrentY(t); }); }
    void setFontSize(double p) override { both([&](PrinterSurface& s) { s.setFontSize(p); }); }
    void setDrawWidth(int w) override { both([&](PrinterSurface& s) { s.setDrawWidth(w); }); }
    void print(const QString& t) override { both([&](PrinterSurface& s) { s.print(t); }); }
    void line(QPointF a, QPointF b, const QColor& c) override { both([&](PrinterSurface& s) { s.line(a, b, c); }); }
    void paintPicture(const Picture& p, QPointF at) override { both([&](PrinterSurface& s) { s.paintPicture(p, at); }); }
    void newPage() override { both([](PrinterSurface& s) { s.newPage(); }); }
    void endDoc() override { both([](PrinterSurface& s) { s.endDoc(); }); }

private:
    template <class F>
    void both(F f)
    {
        f(registro_);
        if (carta_)
            f(*carta_);
    }
    RecordingPrinter& registro_;
    std::unique_ptr<PrinterSurface> carta_;
};

} // namespace

QString Event::describe() const
{
    const QString where = nameOf(target);
    switch (kind) {
    case KeyDown:
    case KeyRepeat:
    case KeyUp: {
        QString name = QKeySequence(key | int(modifiers & ~Qt::KeypadModifier)).toString();
        if (modifiers & Qt::KeypadModifier)
            name = QStringLiteral("keypad ") + name;
        const char* how = kind == KeyDown ? "press" : kind == KeyUp ? "release" : "repeat";
        return QStringLiteral("key %1 %2 to %3").arg(name, QLatin1String(how), where);
    }
    case MouseDown:
    case MouseUp:
        return QStringLiteral("mouse %1 button %2 at (%3, %4) of %5")
            .arg(kind == MouseDown ? "press" : "release")
            .arg(int(button))
            .arg(at.x())
            .arg(at.y())
            .arg(where);
    case Menu:
        return QStringLiteral("menu entry %1").arg(nameOf(action));
    case Resize:
        return QStringLiteral("resize %1 to %2 x %3").arg(where).arg(size.width()).arg(size.height());
    case Maximize:
        return QStringLiteral("maximize %1").arg(where);
    case Minimize:
        return QStringLiteral("minimize %1").arg(where);
    case Restore:
        return QStringLiteral("restore %1").arg(where);
    case CloseBox:
        return QStringLiteral("close box of %1").arg(where);
    case Start:
        return QStringLiteral("start the program");
    }
    return QString();
}

Pupil::Pupil(const Options& options) : options_(options), random_(options.seed)
{
    // One session in four begins a few minutes before midnight, so that the clock passes it.
    clockStartMs_ = below(4) == 0 ? Giorno - 1000 * qint64(30 + below(600)) : qint64(below(int(Giorno / 1000))) * 1000;
    Clock::setSource([this] { return float(double((clockStartMs_ + nowMs_) % Giorno) / 1000.0); });
    Random::seed(options.seed);
    MessageBox::setSink([this](const QString& text) { messages_.append(text); });
    Printers::setOpener([this](const PrintDocument& documento) -> std::unique_ptr<PrinterSurface> {
        pages_.push_back(std::make_unique<RecordingPrinter>());
        if (!nextPageReal_)
            return std::make_unique<Copia>(*pages_.back(), nullptr);
        // A real page: recorded here, and handed to the print service as the program does.
        Copia copia(*pages_.back(), nullptr);
        for (int page = 0; page < documento.pages; ++page) {
            if (page > 0)
                copia.newPage();
            documento.paintPage(copia, page);
        }
        copia.endDoc();
        return nullptr;
    });
}

Pupil::~Pupil()
{
    ChiudiTutto();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    Printers::setOpener({});
    MessageBox::setSink({});
    Clock::setSource({});
}

Outcome Pupil::play()
{
    wall_.start();
    start();
    while (!over())
        step();
    return outcome_;
}

bool Pupil::chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

int Pupil::below(int n) { return n <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(random_)); }

void Pupil::freshProgram()
{
    // A new run of the program starts from nothing, as a new process would.
    esercizio() = Esercizio();
    Printers::setCurrent(QString());
    right_ = wrong_ = 0;
    refusals_ = kind_ = 0;
    totalSeconds_ = 0;
    coreRight_ = coreWrong_ = coreSeconds_ = 0;
    exercise_ = ExerciseModel();
    sheets_ = {};
    choice_ = ChoiceModel();
    about_ = nullptr;
    stack_.clear();
}

void Pupil::start()
{
    freshProgram();
    FrmInizio& f = loadForm<FrmInizio>();
    f.showModeless();
    start_ = &f;
    watchClicks(start_);
    running_ = true;
    ++outcome_.runs;
    settle();
    checkAll();
}

void Pupil::settle()
{
    // Timers wait for the pupil's own clock: the program's only timer (the curtains) is ticked
    // by the time the pupil lets pass, so a seed plays the same session every time.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    if (QWidget* active = QApplication::activeWindow()) {
        stack_.removeAll(active);
        stack_.prepend(active);
    }
    stack_.removeAll(nullptr);
}

void Pupil::advanceTime()
{
    // A pupil is quick, thinks now and then, and sometimes walks away from the screen.
    qint64 passo;
    if (chance(0.0005))
        passo = 1000 * qint64(300 + below(1200));
    else if (chance(0.01))
        passo = 1000 * qint64(2 + below(60));
    else
        passo = 20 + below(330);
    nowMs_ += passo;
    orologioEventi += std::min(passo, PausaMassimaEventi);
    tickCurtains(passo);
}

void Pupil::tickCurtains(qint64 elapsedMs)
{
    if (!start_)
        return;
    QTimer& timer = *kid<QTimer>(start_, "timerTendine");
    for (qint64 t = elapsedMs; t >= timer.interval() && timer.isActive(); t -= timer.interval()) {
        QTimerEvent tick(timer.timerId());
        QCoreApplication::sendEvent(&timer, &tick);
    }
}

void Pupil::step()
{
    advanceTime();
    Event e = choose();
    const Action a = predict(e);
    QString line = QStringLiteral("#%1 %2").arg(outcome_.events + 1).arg(e.describe());
    if (e.kind == Event::MouseDown)
        line += QStringLiteral(", on %1").arg(nameOf(mouseGrab_));
    trace_.push_back(line);
    if (trace_.size() > Traccia)
        trace_.pop_front();
    clicks_.clear();
    expectedClicks_.clear();
    if (a.kind == Action::Click)
        expectedClicks_.append(a.button);

    const bool print = a.kind == Action::Click && sheetOf(a.button) && sheetOf(a.button)->window &&
                       a.button == kid<PushKey>(sheetOf(a.button)->window, "Command1");
    nextPageReal_ = print && options_.realPageEvery > 0 && pagesPrinted_ % options_.realPageEvery == 0;
    if (nextPageReal_)
        realBefore_ = int(PrintService::outputs(Printers::current()).size());
    // The program's handling of the event: what it does on the event and on the events that
    // follow from it, without the pupil's own moves inside a modal window it opens.
    const qint64 begin = wall_.nsecsElapsed();
    const qint64 modalBefore = modalNs_;
    send(e);
    ++outcome_.events;
    if (!outcome_.failure.isEmpty())
        return;
    settle();
    if (!print)
        outcome_.handling.add(wall_.nsecsElapsed() - begin - (modalNs_ - modalBefore), line);
    // Compared before anything unloaded is let go.
    if (clicks_ != expectedClicks_) {
        auto names = [](const QList<QPointer<QAbstractButton>>& list) {
            QStringList n;
            for (const auto& b : list)
                n.append(nameOf(b));
            return n.join(QStringLiteral(", "));
        };
        fail(QStringLiteral("the pupil clicked [%1], the program saw clicks on [%2]").arg(names(expectedClicks_), names(clicks_)));
    }
    ++outcome_.checks;
    clicks_.clear();
    expectedClicks_.clear();
    apply(a, e);
    nextPageReal_ = false;
    // Windows unloaded in a modal window's loop go when that loop is left.
    if (depth_ == 0) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle();
    }
    // Closing a modal window from inside its loop: the window under it gets the keyboard back
    // once the loop is left, and is checked then.
    frontPending_ = depth_ > 0 && !QApplication::activeModalWidget();
    if (outcome_.failure.isEmpty())
        checkAll();
    frontPending_ = false;
}

QWidget* Pupil::keyReceiver() const
{
    // A popup list takes the keyboard while it is open.
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    return QApplication::focusWidget();
}

Event Pupil::choose()
{
    if (!running_) {
        Event e;
        e.kind = Event::Start;
        return e;
    }
    if (secondButton_) {
        Event e = *secondButton_;
        e.kind = Event::MouseUp;
        return e;
    }
    if (heldKey_ && heldMouse_) {
        const int r = below(3);
        if (r == 0)
            return keyEvent(Event::KeyRepeat);
        if (r == 1)
            return keyEvent(Event::KeyUp);
        Event e = *heldMouse_;
        e.kind = Event::MouseUp;
        return e;
    }
    if (heldKey_) {
        if (chance(0.5))
            return keyEvent(Event::KeyRepeat);
        // The other hand on the mouse meanwhile; never beside a held Space, whose key a
        // command button shares with the mouse.
        if (heldKey_->key != Qt::Key_Space && !QApplication::activePopupWidget() && chance(0.15))
            return mouseDown();
        return keyEvent(Event::KeyUp);
    }
    if (heldMouse_) {
        if (chance(0.6)) {
            Event e = *heldMouse_;
            e.kind = Event::MouseUp;
            // Now and then the pointer slips before the button comes up.
            if (e.target && chance(0.1))
                e.at = QPoint(1 + below(qMax(1, e.target->width() - 2)), 1 + below(qMax(1, e.target->height() - 2)));
            return e;
        }
        if (chance(0.15)) {
            Event e = *heldMouse_;
            e.button = e.button == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
            return e;
        }
        if (keyReceiver())
            return keyEvent(Event::KeyDown);
        Event e = *heldMouse_;
        e.kind = Event::MouseUp;
        return e;
    }
    const int r = below(100);
    if (r < 55 && keyReceiver())
        return keyEvent(Event::KeyDown);
    if (r < 91)
        return mouseDown();
    return windowEvent();
}

Event Pupil::keyEvent(Event::Kind kind)
{
    if (kind == Event::KeyDown)
        return chooseKeyDown(keyReceiver());
    Event e = *heldKey_;
    e.kind = kind;
    e.target = keyReceiver();
    return e;
}

Event Pupil::chooseKeyDown(QWidget* receiver)
{
    struct Choice
    {
        int weight;
        int key;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    QList<Choice> choices;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
    auto* key = qobject_cast<PushKey*>(receiver);
    const bool onPress = key && (key->window() == start_ || key->window() == exercise_.window);
    Event e;
    e.kind = Event::KeyDown;
    e.target = receiver;

    // Half of the time in the exercise the pupil works towards the answer, as a pupil who knows
    // it: the key that brings the set closer, "VERIFICA" when it holds n + 1, "AVANTI"; on the
    // help question "NO" more often than not; "OK".
    if (key && key->window() == exercise_.window && !QApplication::activePopupWidget() && chance(0.5)) {
        const ExerciseModel& x = exercise_;
        frmOperativo* f = x.window;
        QWidget* goal = nullptr;
        int digit = 0;
        if (x.state == ExerciseModel::State::Building) {
            const int i = x.d < x.n + 1 ? 0 : x.d > x.n + 1 ? 1 : x.verifica ? 2 : 0;
            goal = kid<PushKey>(f, "Option1", i);
            digit = i + 1;
        } else if (x.state == ExerciseModel::State::Solved) {
            goal = kid<PushKey>(f, "Option1", 3);
            digit = 4;
        } else if (x.state == ExerciseModel::State::Help) {
            const int i = chance(0.65) ? 1 : 0;
            goal = kid<PushKey>(f, "Option3", i);
            digit = i + 1;
        } else {
            goal = kid<PushKey>(f, "optOK");
        }
        e.key = key == goal ? Qt::Key_Return : Qt::Key_0 + digit;
        e.text = typed(e.key, Qt::NoModifier);
        return e;
    }
    if (QApplication::activePopupWidget()) {
        choices = {{35, Qt::Key_Down}, {10, Qt::Key_Up}, {25, Qt::Key_Return}, {15, Qt::Key_Escape},
                   {5, Qt::Key_Space}, {5, Qt::Key_T}, {5, Qt::Key_Tab}};
    } else if (onPress) {
        choices = {{30, Qt::Key_Return}, {5, Qt::Key_1}, {5, Qt::Key_2}, {5, Qt::Key_3}, {5, Qt::Key_4}, {4, Qt::Key_5},
                   {2, Qt::Key_1, pad}, {2, Qt::Key_2, pad}, {1, Qt::Key_3, pad}, {1, Qt::Key_4, pad},
                   {10, Qt::Key_Space}, {3, Qt::Key_S}, {2, Qt::Key_S, shift}, {3, Qt::Key_N}, {2, Qt::Key_N, shift},
                   {2, Qt::Key_A}, {1, Qt::Key_Z}, {1, Qt::Key_0}, {1, Qt::Key_9}, {3, Qt::Key_Tab},
                   {1, Qt::Key_Backtab, shift}, {1, Qt::Key_Right}, {1, Qt::Key_Down}, {2, Qt::Key_Escape},
                   {1, Qt::Key_F2}, {1, Qt::Key_F3}, {2, Qt::Key_Enter, pad}};
    } else if (qobject_cast<QComboBox*>(receiver)) {
        choices = {{20, Qt::Key_Down}, {10, Qt::Key_Up}, {10, Qt::Key_T}, {4, Qt::Key_X}, {8, Qt::Key_Space},
                   {20, Qt::Key_Tab}, {10, Qt::Key_Return}, {6, Qt::Key_1}, {5, Qt::Key_Escape}, {4, Qt::Key_End},
                   {3, Qt::Key_Home}};
    } else {
        choices = {{25, Qt::Key_Return}, {15, Qt::Key_Space}, {15, Qt::Key_Tab}, {5, Qt::Key_Backtab, shift},
                   {5, Qt::Key_Down}, {5, Qt::Key_Left}, {4, Qt::Key_S}, {4, Qt::Key_N}, {4, Qt::Key_1},
                   {4, Qt::Key_3}, {5, Qt::Key_Escape}, {4, Qt::Key_Enter, pad}, {2, Qt::Key_F2}};
    }
    // While the mouse holds a button down, Space stays alone on its key.
    if (heldMouse_)
        choices.removeIf([](const Choice& c) { return c.key == Qt::Key_Space; });
    int total = 0;
    for (const Choice& c : choices)
        total += c.weight;
    int r = below(total);
    const Choice* chosen = &choices.first();
    for (const Choice& c : choices) {
        if (r < c.weight) {
            chosen = &c;
            break;
        }
        r -= c.weight;
    }
    e.key = chosen->key;
    e.modifiers = chosen->modifiers;
    e.text = typed(e.key, e.modifiers);
    return e;
}

Event Pupil::mouseDown()
{
    QList<QWidget*> windows;
    for (Form* f : Form::loadedForms())
        if (f->isVisible() && !f->isMinimized())
            windows.append(f);
    Event e;
    e.kind = Event::MouseDown;
    const int b = below(20);
    e.button = b < 17 ? Qt::LeftButton : b < 19 ? Qt::RightButton : Qt::MiddleButton;
    if (QWidget* popup = QApplication::activePopupWidget(); popup && (windows.isEmpty() || chance(0.6))) {
        e.target = popup;
        e.at = QPoint(1 + below(qMax(1, popup->width() - 2)), 1 + below(qMax(1, popup->height() - 2)));
        return e;
    }
    if (windows.isEmpty())
        return windowEvent();
    QWidget* window = nullptr;
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* active = QApplication::activeWindow();
    if (modal && modal->isVisible() && chance(0.7))
        window = modal;
    else if (active && windows.contains(active) && chance(0.8))
        window = active;
    else
        window = any(windows);

    // Now and then the pupil means it: the next worksheet exercise, then "STAMPA".
    if (auto* sheet = qobject_cast<FinestraScheda*>(window); sheet && e.button == Qt::LeftButton && chance(0.3)) {
        QWidget* aim = kid<PushKey>(sheet, "Command1");
        for (int k = 0; k < 4; ++k)
            if (!sheet->insiemiGenerati()[k]) {
                aim = kidInsieme<PushKey>(sheet, k + 1);
                break;
            }
        e.target = window;
        e.at = aim->mapTo(window, aim->rect().center());
        return e;
    }

    auto* form = static_cast<Form*>(window);
    QList<QWidget*> visible, keys;
    for (const Form::Control& c : form->controls()) {
        if (!c.widget->isVisible() || c.widget->width() <= 0 || c.widget->height() <= 0)
            continue;
        visible.append(c.widget);
        if (qobject_cast<PushKey*>(c.widget) || qobject_cast<QComboBox*>(c.widget))
            keys.append(c.widget);
    }
    // The keys that close a window come up, but not every minute: the start window's last
    // one ends the program, a worksheet's "ESCI" throws the sets away.
    if (window == start_ && chance(0.8))
        keys.removeAll(kid<PushKey>(start_, "Option1", FrmInizio::NumeroModi - 1));
    if (auto* sheet = qobject_cast<FinestraScheda*>(window); sheet && chance(0.7))
        keys.removeAll(kid<PushKey>(sheet, "CmdFine"));
    QWidget* control = nullptr;
    if (!keys.isEmpty() && chance(0.75))
        control = any(keys);
    else if (!visible.isEmpty())
        control = any(visible);
    QPoint at;
    if (control) {
        const QPoint inside(below(qMax(1, control->width())), below(qMax(1, control->height())));
        at = control->mapTo(window, inside);
    } else {
        at = QPoint(below(window->width()), below(window->height()));
    }
    at.setX(qBound(1, at.x(), qMax(1, window->width() - 2)));
    at.setY(qBound(1, at.y(), qMax(1, window->height() - 2)));
    e.target = window;
    e.at = at;
    return e;
}

Event Pupil::windowEvent()
{
    QList<QWidget*> shown, minimized;
    for (Form* f : Form::loadedForms()) {
        if (f->isMinimized())
            minimized.append(f);
        else if (f->isVisible())
            shown.append(f);
    }
    QWidget* modal = QApplication::activeModalWidget();
    auto blocked = [modal](QWidget* w) { return modal && w != modal; };
    auto proportional = [](QWidget* w) { return !(w->windowFlags() & Qt::Dialog); };

    Event e;
    const int r = below(100);
    if (!minimized.isEmpty() && (shown.isEmpty() || r < 15)) {
        e.kind = Event::Restore;
        e.target = any(minimized);
        return e;
    }
    if (shown.isEmpty()) {
        e.kind = Event::Start; // nothing on screen while the program runs: a failure
        return e;
    }
    if (r < 45) {
        QList<std::pair<QAction*, QWidget*>> entries;
        if (start_ && start_->isVisible() && !start_->isMinimized() && !blocked(start_))
            for (QAction* a : {kid<QAction>(start_, "MnuVuoto"), kid<QAction>(start_, "mnuAggiungi"), kid<QAction>(start_, "mnuTogli"), kid<QAction>(start_, "mnuInfo")})
                entries.append({a, start_});
        for (const SheetModel& s : sheets_)
            if (s.window && s.window->isVisible() && !s.window->isMinimized() && !blocked(s.window))
                entries << std::pair<QAction*, QWidget*>(kidMenuStampante(s.window), s.window.data())
                        << std::pair<QAction*, QWidget*>(kidMenuStampante(s.window), s.window.data());
        if (!entries.isEmpty()) {
            const auto [action, window] = any(entries);
            e.kind = Event::Menu;
            e.action = action;
            e.target = window;
            return e;
        }
    }
    QList<QWidget*> resizable, closable;
    for (QWidget* w : shown) {
        if (proportional(w))
            resizable.append(w);
        if (!blocked(w))
            closable.append(w);
    }
    if (r < 80 && !resizable.isEmpty()) {
        e.target = any(resizable);
        const int how = below(10);
        e.kind = how < 6 ? Event::Resize : how < 8 ? Event::Minimize : Event::Maximize;
        e.size = QSize(160 + below(1300), 120 + below(900));
        return e;
    }
    // The start window's close box ends the program: a pupil finds it, but not every minute.
    if (chance(0.9))
        closable.removeAll(start_.data());
    if (!closable.isEmpty()) {
        e.kind = Event::CloseBox;
        e.target = any(closable);
        return e;
    }
    e.kind = Event::Maximize;
    e.target = resizable.isEmpty() ? shown.first() : any(resizable);
    return e;
}

void Pupil::activate(QWidget* window)
{
    window->activateWindow();
    settle();
}

void Pupil::fallBackFocus()
{
    // What a window manager does when the window in front goes down to the task bar.
    for (QWidget* w : stack_)
        if (w && w->isVisible() && !w->isMinimized() && Form::loadedForms().contains(static_cast<Form*>(w))) {
            activate(w);
            return;
        }
}

void Pupil::send(Event& e)
{
    switch (e.kind) {
    case Event::KeyDown:
        heldKey_ = e;
        sendKey(e);
        break;
    case Event::KeyRepeat:
    case Event::KeyUp:
        sendKey(e);
        if (e.kind == Event::KeyUp)
            heldKey_.reset();
        break;
    case Event::MouseDown: {
        QWidget* modal = QApplication::activeModalWidget();
        const bool blocked = modal && e.target != modal && !QApplication::activePopupWidget();
        const bool first = !heldMouse_;
        // A window manager gives the keyboard to the window clicked, unless a modal window holds it.
        if (first && !blocked && e.target && e.target->isWindow() && e.target != QApplication::activeWindow() &&
            !QApplication::activePopupWidget())
            activate(e.target);
        if (first)
            heldMouse_ = e;
        else
            secondButton_ = e;
        sendMouse(e, QEvent::MouseButtonPress);
        break;
    }
    case Event::MouseUp:
        if (secondButton_ && e.button == secondButton_->button)
            secondButton_.reset();
        else
            heldMouse_.reset();
        sendMouse(e, QEvent::MouseButtonRelease);
        if (!heldMouse_)
            mouseGrab_ = nullptr;
        break;
    case Event::Menu:
        if (!e.action)
            break;
        if (e.target && e.target != QApplication::activeWindow())
            activate(e.target);
        if (e.action == kid<QAction>(start_, "mnuInfo") || e.action->objectName().contains(QLatin1String("Stampante")))
            triggerModal(e.action);
        else
            e.action->trigger();
        break;
    case Event::Resize:
        if (e.target) {
            e.target->showNormal();
            e.target->resize(e.size);
        }
        break;
    case Event::Maximize:
        if (e.target)
            e.target->showMaximized();
        break;
    case Event::Minimize:
        if (e.target) {
            const bool wasActive = e.target == QApplication::activeWindow();
            e.target->showMinimized();
            settle();
            if (wasActive)
                fallBackFocus();
        }
        break;
    case Event::Restore:
        if (e.target) {
            e.target->setWindowState(e.target->windowState() & ~Qt::WindowMinimized);
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == e.target)
                activate(e.target);
        }
        break;
    case Event::CloseBox:
        if (e.target)
            e.target->close();
        break;
    case Event::Start:
        if (!check(!running_, QStringLiteral("some window is on screen while the program runs")))
            break;
        start();
        break;
    }
}

void Pupil::sendKey(const Event& e)
{
    QWidget* receiver = e.target;
    if (!receiver)
        receiver = QApplication::activeWindow();
    if (!receiver)
        return; // nothing on screen takes keys: the key goes nowhere
    const bool repeat = e.kind == Event::KeyRepeat;
    auto deliver = [&](QEvent::Type type) {
        QKeyEvent k(type, e.key, e.modifiers, e.text, repeat);
        k.setTimestamp(quint64(orologioEventi));
        QApplication::sendEvent(receiver, &k);
    };
    if (e.kind != Event::KeyUp)
        deliver(QEvent::KeyPress);
    if (e.kind != Event::KeyDown && receiver)
        deliver(QEvent::KeyRelease);
}

void Pupil::sendMouse(const Event& e, QEvent::Type type)
{
    QWidget* window = e.target;
    if (!window || !window->isVisible() || !window->windowHandle())
        return; // the window went away under the pointer
    Qt::MouseButtons state;
    if (heldMouse_)
        state |= heldMouse_->button;
    if (secondButton_)
        state |= secondButton_->button;
    if (type == QEvent::MouseButtonPress)
        state |= e.button;
    QWindow* handle = window->windowHandle();
    qt_handleMouseEvent(handle, QPointF(e.at), handle->mapToGlobal(QPointF(e.at)), state, e.button, type,
                        Qt::NoModifier, int(orologioEventi));
}

void Pupil::triggerModal(QAction* action)
{
    // The window opened here runs its own loop until it goes: the pupil goes on from inside it.
    modalPending_ = true;
    QTimer::singleShot(0, [this] {
        if (!modalPending_)
            return;
        modalPending_ = false;
        ++depth_;
        // Whatever the pupil does in there is not the handling of the event that opened it.
        const qint64 begin = wall_.nsecsElapsed();
        const qint64 modalBefore = modalNs_;
        driveModal();
        modalNs_ = modalBefore + (wall_.nsecsElapsed() - begin);
        --depth_;
    });
    action->trigger();
    modalPending_ = false;
}

void Pupil::driveModal()
{
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!check(modal && modal->isVisible(), QStringLiteral("the window opened from the menu is modal")))
        return;
    settle();
    watchClicks(modal);
    if (modal == loadedForm<frmAutore>()) {
        about_ = static_cast<frmAutore*>(modal.data());
        ++outcome_.opened[QStringLiteral("frmAutore")];
    } else if (modal == loadedForm<frmStampante>()) {
        // Every opening reads the list from the print service, while the window answers.
        choice_.window = static_cast<frmStampante*>(modal.data());
        QDeadlineTimer limit(2 * Printers::RunLimitMs);
        while (choice_.window->inLettura() && !limit.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
            QThread::msleep(1);
        }
        choice_.list.clear();
        for (int i = 0; i < kid<QComboBox>(choice_.window, "Combo1")->count(); ++i)
            choice_.list.append(kid<QComboBox>(choice_.window, "Combo1")->itemText(i));
        choice_.label1 = choice_.list.isEmpty() ? QStringLiteral("Nessuna stampante installata")
                                                : QStringLiteral("La stampante predefinita è \r\n") + Printers::current();
        ++outcome_.opened[QStringLiteral("frmStampante")];
    }
    checkAll();
    while (modal && modal->isVisible() && !over())
        step();
    if (modal && modal->isVisible()) {
        // The session ends here: the window is closed all the same, or its loop would never end.
        modal->close();
        if (modal == about_)
            about_ = nullptr;
        if (modal == choice_.window)
            choice_.window = nullptr;
        settle();
    }
}

Outcome play(const Options& options)
{
    Pupil pupil(options);
    return pupil.play();
}

} // namespace Soak
