#pragma once

#include "soak.h"
#include "support/recordingprinter.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <random>

class FinestraScheda;
class Form;
class FrmInizio;
class PushKey;
class QAbstractButton;
class frmAutore;
class Esercizio;
class frmOperativo;
class frmStampante;

namespace Soak {

// One input the pupil gives.
struct Event
{
    enum Kind { KeyDown, KeyRepeat, KeyUp, MouseDown, MouseUp, Menu, Resize, Maximize, Minimize, Restore, CloseBox, Start };
    Kind kind = KeyDown;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    QPointer<QWidget> target;      // the widget a key goes to, or the window of a mouse or window event
    Qt::MouseButton button = Qt::NoButton;
    QPoint at;                     // in the window
    QPointer<QAction> action;
    QSize size;

    QString describe() const;
};

// What an event makes the program do, as the pupil expects it.
struct Action
{
    enum Kind { None, Scelta, Tasto, Si, No, Click, OpenSheet, OpenAbout, OpenChoice, Close, Press };
    Kind kind = None;
    int index = 0;
    QPointer<QAbstractButton> button;
    QPointer<Form> form;
};

// What the pupil knows of the exercise window.
struct ExerciseModel
{
    enum class State { Building, Solved, Help, Intervention };
    QPointer<frmOperativo> window;
    int kind = 0;
    int n = 0;          // the given set
    int m = 0;          // the second set at its start
    int d = 0;          // the second set now
    int shown = 0;      // figures shown in the second set (the solution shows n + 1)
    int figure = 0;
    std::array<bool, 16> given{};
    State state = State::Building;
    bool verifica = false;
    int number = 0;
    bool rightShown = false;
    bool wrongShown = false;
    QString outcome;
    QString label2;
    QString partial;
    QString total;
    qint64 startMs = 0; // when the second set was last shown at its start
    // A mouse button whose press the keypad took, until a button comes up or the key it
    // holds is taken away.
    Qt::MouseButton latch = Qt::NoButton;
    QPointer<QWidget> latchKey;
};

// What the pupil knows of a worksheet window.
struct SheetModel
{
    QPointer<FinestraScheda> window;
    std::array<bool, 4> made{};
    std::array<QList<int>, 4> first;   // picture of every place: catalogue index, -1 for none
    std::array<QList<int>, 4> second;  // the add and remove worksheets only
    int part = 1;
};

struct ChoiceModel
{
    QPointer<frmStampante> window;
    QStringList list;
    QString label1;
};

class Pupil
{
public:
    explicit Pupil(const Options& options);
    ~Pupil();
    Pupil(const Pupil&) = delete;
    Pupil& operator=(const Pupil&) = delete;

    Outcome play();

private:
    // The session.
    void start();
    void step();
    bool over() const { return !outcome_.failure.isEmpty() || outcome_.events >= options_.events; }
    void settle();
    void advanceTime();
    void tickCurtains(qint64 elapsedMs);
    void freshProgram();

    // Choosing what to do next.
    Event choose();
    Event keyEvent(Event::Kind kind);
    Event chooseKeyDown(QWidget* receiver);
    Event mouseDown();
    Event windowEvent();
    bool chance(double p);
    int below(int n);
    template <class T>
    const T& any(const QList<T>& list) { return list[below(int(list.size()))]; }

    // Giving it.
    void send(Event& e);
    void sendKey(const Event& e);
    void sendMouse(const Event& e, QEvent::Type type);
    void triggerModal(QAction* action);
    void driveModal();
    void activate(QWidget* window);
    void fallBackFocus();
    QWidget* keyReceiver() const;

    // The pupil's expectations.
    Action predict(const Event& e);
    Action predictKey(const Event& e);
    Action predictMouse(const Event& e);
    void apply(const Action& a, const Event& e);
    void applyExerciseKey(int index);
    void applySi();
    void applyNo();
    void applyClick(QAbstractButton* button);
    void readNewExercise(int kind);
    void readSet(SheetModel& s, int k);
    void openSheet(int variant);
    void expectPage(SheetModel& s, int variant);
    void programEnded();

    // The program's promises.
    void checkAll();
    bool check(bool ok, const QString& what);
    void checkWindows();
    void checkFront();
    void checkExercise();
    void checkCoreShown(const Esercizio& e);
    // The kind the instruction line of the exercise window tells, or -1.
    static int kindOnInstructionLine(const QString& text);
    void checkSheet(int variant);
    void checkChoice();
    void checkPage(const RecordingPrinter& page, const SheetModel& s, int variant);
    void watchClicks(QWidget* window);
    void fail(const QString& what);

    QList<int> pictures(const SheetModel& s, int k, bool second) const;
    SheetModel* sheetOf(const QObject* o, int* variant = nullptr);

    Options options_;
    Outcome outcome_;
    std::mt19937_64 random_;
    qint64 nowMs_ = 0;          // the pupil's time, since the session began
    QElapsedTimer wall_;        // real time, to measure how long the program takes
    qint64 modalNs_ = 0;        // real time spent in the pupil's loops inside modal windows
    qint64 clockStartMs_ = 0;   // the program's clock at that moment, since midnight
    int depth_ = 0;             // modal windows open, each driven from inside its own loop
    bool modalPending_ = false;
    bool running_ = false;
    std::deque<QString> trace_;

    // What the pupil's hands hold down.
    std::optional<Event> heldKey_;
    std::optional<Event> heldMouse_;
    QPointer<QWidget> mouseGrab_;    // what took the press of the held button
    bool grabBlocked_ = false;       // a modal window swallowed that press
    std::optional<Event> secondButton_;
    QPointer<QAbstractButton> spaceDown_;
    QPointer<QAbstractButton> mouseDown_;  // a command button down under the mouse
    QPointer<QAbstractButton> pressedOn_;  // the command button the left button went down on

    // What the pupil knows of the program.
    qint32 right_ = 0;
    qint32 wrong_ = 0;
    int refusals_ = 0;
    int kind_ = 0;
    qint64 totalSeconds_ = 0;
    // The exercise's counters as last seen: they never go back during a run of the program.
    qint32 coreRight_ = 0;
    qint32 coreWrong_ = 0;
    qint32 coreSeconds_ = 0;
    ExerciseModel exercise_;
    std::array<SheetModel, 3> sheets_;
    ChoiceModel choice_;
    QPointer<frmAutore> about_;
    QPointer<FrmInizio> start_;

    // What the program did, as seen from outside.
    QList<QPointer<QAbstractButton>> clicks_;
    QList<QPointer<QAbstractButton>> expectedClicks_;
    QStringList messages_;
    QStringList expectedMessages_;
    std::deque<std::unique_ptr<RecordingPrinter>> pages_; // printed, not yet compared
    bool nextPageReal_ = false;
    int realBefore_ = 0;     // pages the queue had before a page that goes to paper
    int pagesPrinted_ = 0;
    bool frontPending_ = false; // a modal window just went: its caller gets the keyboard back after its loop
    QList<QPointer<QWidget>> stack_; // windows front to back, as a window manager keeps them
};

} // namespace Soak
