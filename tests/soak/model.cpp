// What the pupil expects each event to make the program do, and what the pupil then knows.
#include "pupil.h"

#include "app/frmautore.h"
#include "app/frminizio.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "support/kid.h"
#include "support/printservice.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QApplication>
#include <QComboBox>
#include <algorithm>

namespace Soak {

namespace {

const char* const Situazioni[3] = {
    "Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi",
    "Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi",
    "Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi",
};

} // namespace

int Pupil::kindOnInstructionLine(const QString& text)
{
    for (int k = InsiemeVuoto; k <= Togliere; ++k)
        if (text == QString::fromLatin1(Situazioni[k]) || text == *Esercizio::Istruzione(k))
            return k;
    return -1;
}

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

template <class Array>
int indexIn(const Array& keys, const QObject* o)
{
    for (int i = 0; i < int(keys.size()); ++i)
        if (keys[i] == o)
            return i;
    return -1;
}

QString number(int value, int cap = 999)
{
    return value >= cap ? QString::number(cap) : QLatin1Char(' ') + QString::number(value);
}

} // namespace

SheetModel* Pupil::sheetOf(const QObject* o, int* variant)
{
    for (int v = 0; v < 3; ++v) {
        FinestraScheda* w = sheets_[v].window;
        if (w && o && (o == w || w->isAncestorOf(qobject_cast<const QWidget*>(o)))) {
            if (variant)
                *variant = v;
            return &sheets_[v];
        }
    }
    return nullptr;
}

Action Pupil::predict(const Event& e)
{
    Action a;
    switch (e.kind) {
    case Event::KeyDown:
    case Event::KeyRepeat:
    case Event::KeyUp:
        return predictKey(e);
    case Event::MouseDown:
    case Event::MouseUp:
        return predictMouse(e);
    case Event::Menu:
        if (!e.action || !start_)
            break;
        if (e.action == kid<QAction>(start_, "MnuVuoto") || e.action == kid<QAction>(start_, "mnuAggiungi") || e.action == kid<QAction>(start_, "mnuTogli")) {
            a.kind = Action::OpenSheet;
            a.index = e.action == kid<QAction>(start_, "MnuVuoto") ? 0 : e.action == kid<QAction>(start_, "mnuAggiungi") ? 1 : 2;
        } else if (e.action == kid<QAction>(start_, "mnuInfo")) {
            a.kind = Action::OpenAbout;
        } else {
            a.kind = Action::OpenChoice;
        }
        break;
    case Event::CloseBox:
        a.kind = Action::Close;
        a.form = qobject_cast<Form*>(e.target);
        break;
    default:
        break;
    }
    return a;
}

Action Pupil::predictKey(const Event& e)
{
    Action a;
    QWidget* r = e.target;
    auto* key = qobject_cast<PushKey*>(r);
    if (!key || e.kind == Event::KeyRepeat)
        return a; // a held key acts once, on its first press
    QWidget* w = key->window();
    if (e.kind == Event::KeyUp) {
        if (e.key == Qt::Key_Space && spaceDown_ == key) {
            a.kind = Action::Click;
            a.button = key;
        }
        return a;
    }
    if (w == start_) {
        if (isEnter(e.key)) {
            a.kind = Action::Scelta;
            a.index = indexIn(kids<PushKey>(start_, "Option1"), key);
        }
        return a;
    }
    if (w == exercise_.window) {
        frmOperativo* f = exercise_.window;
        if (!isEnter(e.key))
            return a;
        if (const int i = indexIn(kids<PushKey>(f, "Option1"), key); i >= 0) {
            a.kind = Action::Tasto;
            a.index = i;
        } else if (key == kid<PushKey>(f, "Option3", 0) || key == kid<PushKey>(f, "optOK")) {
            a.kind = Action::Si;
        } else if (key == kid<PushKey>(f, "Option3", 1)) {
            a.kind = Action::No;
        }
        return a;
    }
    // A command button: Enter clicks it, Space presses it down until its release.
    if (isEnter(e.key)) {
        a.kind = Action::Click;
        a.button = key;
    } else if (e.key == Qt::Key_Space) {
        a.kind = Action::Press;
        a.button = key;
    }
    return a;
}

Action Pupil::predictMouse(const Event& e)
{
    Action a;
    QWidget* window = e.target;
    if (!window || !window->isVisible())
        return a;
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* popup = QApplication::activePopupWidget();
    if (e.kind == Event::MouseUp) {
        // A command button clicks when the left button comes up over it while it is down,
        // whichever button went first. A pointer that moved since the press puts the button
        // down again if it comes back over it, even after Enter or Escape let it up.
        auto* button = qobject_cast<QAbstractButton*>(mouseGrab_.data());
        if (e.button != Qt::LeftButton || !button || button != pressedOn_ || !button->isEnabled() || !button->isVisible())
            return a;
        const bool over = button->rect().contains(button->mapFrom(window, e.at));
        const bool moved = heldMouse_ && e.at != heldMouse_->at;
        if ((moved ? over : button == mouseDown_) && over) {
            a.kind = Action::Click;
            a.button = button;
        }
        return a;
    }
    // A second button goes where the first one went; when a modal window swallowed the first,
    // the second is a press of its own. A press that closes an open list goes nowhere, and so
    // does any button pressed while it is held.
    const bool second = heldMouse_.has_value() && !grabBlocked_;
    if (popup || (modal && window != modal)) {
        if (!heldMouse_) {
            mouseGrab_ = nullptr;
            grabBlocked_ = !popup;
        }
        return a;
    }
    QWidget* hit = second ? mouseGrab_.data() : window->childAt(e.at);
    if (!second) {
        mouseGrab_ = hit;
        grabBlocked_ = false;
    }
    auto* key = qobject_cast<PushKey*>(hit);
    if (!key || !key->isEnabled())
        return a;
    if (key->window() == start_) {
        a.kind = Action::Scelta;
        a.index = indexIn(kids<PushKey>(start_, "Option1"), key);
    } else if (key->window() == exercise_.window) {
        frmOperativo* f = exercise_.window;
        if (const int i = indexIn(kids<PushKey>(f, "Option1"), key); i >= 0) {
            if (exercise_.latch == Qt::NoButton) {
                a.kind = Action::Tasto;
                a.index = i;
            }
        } else if (key == kid<PushKey>(f, "Option3", 1)) {
            a.kind = Action::No;
        } else {
            a.kind = Action::Si;
        }
    } else if (e.button == Qt::LeftButton) {
        a.kind = Action::Press;
        a.button = key;
    }
    return a;
}

void Pupil::apply(const Action& a, const Event& e)
{
    // What the hands did, whatever the program made of it.
    if (e.kind == Event::KeyUp && e.key == Qt::Key_Space)
        spaceDown_ = nullptr;
    // Escape, held or not, lets a button pressed down come up without a click.
    if ((e.kind == Event::KeyDown || e.kind == Event::KeyRepeat) && e.key == Qt::Key_Escape) {
        if (spaceDown_ == e.target)
            spaceDown_ = nullptr;
        if (mouseDown_ == e.target)
            mouseDown_ = nullptr;
    }
    if (e.kind == Event::MouseUp && e.button == Qt::LeftButton)
        mouseDown_ = pressedOn_ = nullptr;
    // The keypad takes one press at a time: any button that comes up frees it, even one
    // released over a key that the press itself made unavailable.
    if (e.kind == Event::MouseUp)
        exercise_.latch = Qt::NoButton;

    switch (a.kind) {
    case Action::None:
        break;
    case Action::Press:
        if (e.kind == Event::KeyDown)
            spaceDown_ = a.button;
        else
            mouseDown_ = pressedOn_ = a.button;
        break;
    case Action::Scelta:
        kind_ = a.index;
        if (a.index == Uscita) {
            programEnded();
            break;
        }
        if (!exercise_.window) {
            exercise_ = ExerciseModel();
            exercise_.window = loadedForm<frmOperativo>();
            if (!check(exercise_.window, QStringLiteral("a mode key opens the exercise window")))
                break;
            ++outcome_.opened[QStringLiteral("frmOperativo")];
            watchClicks(exercise_.window);
            readNewExercise(a.index);
        } else if (a.index != exercise_.kind) {
            // Another kind starts an exercise of that kind at once, counted as after "AVANTI >>>";
            // the same kind leaves the exercise as it is.
            readNewExercise(a.index);
        }
        exercise_.label2 = QString::fromLatin1(Situazioni[a.index]);
        break;
    case Action::Tasto:
        if (e.kind == Event::MouseDown) {
            exercise_.latch = e.button;
            exercise_.latchKey = mouseGrab_;
        }
        applyExerciseKey(a.index);
        break;
    case Action::Si:
        applySi();
        break;
    case Action::No:
        applyNo();
        break;
    case Action::Click:
        applyClick(a.button);
        break;
    case Action::OpenSheet:
        openSheet(a.index);
        break;
    case Action::OpenAbout:
    case Action::OpenChoice:
        break; // known from inside the window's own loop
    case Action::Close:
        if (a.form == start_) {
            programEnded();
        } else if (a.form == exercise_.window) {
            exercise_.window = nullptr;
        } else if (a.form == about_) {
            about_ = nullptr;
        } else if (a.form == choice_.window) {
            choice_.window = nullptr;
        } else if (SheetModel* s = sheetOf(a.form)) {
            *s = SheetModel();
        }
        break;
    }
    if (exercise_.latchKey && !exercise_.latchKey->isEnabled())
        exercise_.latch = Qt::NoButton;
    // A button pressed down comes up without a click when the keyboard leaves it.
    QWidget* focus = QApplication::focusWidget();
    if (spaceDown_ && spaceDown_ != focus)
        spaceDown_ = nullptr;
    if (mouseDown_ && mouseDown_ != focus)
        mouseDown_ = nullptr;
}

void Pupil::programEnded()
{
    running_ = false;
    exercise_ = ExerciseModel();
    sheets_ = {};
    choice_ = ChoiceModel();
    about_ = nullptr;
    start_ = nullptr;
    heldKey_.reset();
    heldMouse_.reset();
    secondButton_.reset();
    mouseGrab_ = nullptr;
    spaceDown_ = mouseDown_ = pressedOn_ = nullptr;
}

void Pupil::readNewExercise(int kind)
{
    ExerciseModel& x = exercise_;
    frmOperativo* f = x.window;
    x.kind = kind;
    x.number = std::min(x.number + 1, 32767);
    x.given.fill(false);
    x.n = 0;
    x.figure = 0;
    bool oneFigure = true;
    for (int k = 1; k <= frmOperativo::NumeroPosti; ++k) {
        if (kid<ImageBox>(f, "Image1", k)->isHidden())
            continue;
        x.given[k] = true;
        ++x.n;
        const int id = kid<ImageBox>(f, "Image1", k)->picture().id();
        oneFigure &= x.figure == 0 || id == x.figure;
        x.figure = id;
    }
    x.m = 0;
    while (x.m < frmOperativo::NumeroPosti && !kid<ImageBox>(f, "Image2", x.m + 1)->isHidden())
        ++x.m;
    check(x.n >= (kind == Aggiungere ? 2 : 1) && x.n <= 8 && x.n == f->esercizio().NumElementiS,
          QStringLiteral("a new exercise of kind %1 has a given set of 1 to 8 figures (%2)").arg(kind).arg(x.n));
    check(oneFigure && x.figure >= 1 && x.figure <= 12, QStringLiteral("an exercise shows one figure"));
    x.d = x.shown = x.m;
    x.state = ExerciseModel::State::Building;
    x.verifica = false;
    x.outcome.clear();
    x.partial.clear();
    x.startMs = nowMs_;
    x.label2 = *Esercizio::Istruzione(kind);
}

void Pupil::applyExerciseKey(int index)
{
    ExerciseModel& x = exercise_;
    switch (index) {
    case Esercizio::TastoAggiungi:
        x.d = std::min(x.d + 1, 10);
        x.shown = x.d;
        x.verifica = true;
        break;
    case Esercizio::TastoTogli:
        x.d = std::max(x.d - 1, 0);
        x.shown = x.d;
        x.verifica = x.d > 0;
        break;
    case Esercizio::TastoVerifica: {
        if (x.d == x.n + 1) {
            right_ = std::min(right_ + 1, 32767);
            x.rightShown = true;
            x.outcome = Esercizio::Esatto;
            x.state = ExerciseModel::State::Solved;
            ++outcome_.rightAnswers;
        } else {
            ++wrong_;
            x.wrongShown = true;
            x.outcome = Esercizio::Errato;
            x.state = ExerciseModel::State::Help;
            ++outcome_.wrongAnswers;
        }
        // The seconds of the answer, from the time the second set was shown at its start;
        // the program's clock may have passed midnight meanwhile.
        const qint64 expected = (nowMs_ - x.startMs) / 1000;
        const qint32 parziale = x.window->esercizio().TempoParziale;
        check(qAbs(parziale - expected) <= 1,
              QStringLiteral("the answer took %1 seconds, the program counts %2").arg(expected).arg(parziale));
        totalSeconds_ += parziale;
        x.partial = number(parziale);
        x.total = number(int(std::min<qint64>(totalSeconds_, 999)));
        break;
    }
    case Esercizio::TastoAvanti:
        readNewExercise(kind_);
        break;
    case Esercizio::TastoEsci:
        x.window = nullptr;
        break;
    default:
        break;
    }
}

void Pupil::applySi()
{
    refusals_ = 0;
    exercise_.shown = exercise_.n + 1;
    exercise_.outcome.clear();
    exercise_.state = ExerciseModel::State::Solved;
    exercise_.verifica = false;
}

void Pupil::applyNo()
{
    ExerciseModel& x = exercise_;
    if (++refusals_ == 3) {
        refusals_ = 0;
        x.state = ExerciseModel::State::Intervention;
        ++outcome_.interventions;
        return;
    }
    // Back to the start of the exercise on screen, whose kind is the one chosen: a kind chosen
    // since then has started an exercise of its own.
    x.d = x.shown = x.m;
    x.state = ExerciseModel::State::Building;
    x.verifica = false;
    x.outcome.clear();
    x.startMs = nowMs_;
}

QList<int> Pupil::pictures(const SheetModel& s, int k, bool second) const
{
    QList<int> ids;
    auto id = [](const ImageBox* place) { return place->picture().isNull() ? -1 : place->picture().id(); };
    if (auto* empty = qobject_cast<frmStampaSchede*>(s.window)) {
        for (int p = 0; p < frmStampaSchede::Posti; ++p)
            ids.append(id(kid<ImageBox>(empty, "Image1", frmStampaSchede::primoPosto(k) + p)));
    } else if (auto* w = qobject_cast<SchedaAggiungiTogli*>(s.window)) {
        for (int p = 0; p < EsercizioScheda::Posti; ++p)
            ids.append(id(kid<ImageBox>(w, second ? "Image2" : "Image1", EsercizioScheda::Posti * (k - 1) + p)));
    }
    return ids;
}

void Pupil::readSet(SheetModel& s, int k)
{
    const int variant = int(&s - sheets_.data());
    const QList<int> first = pictures(s, k, false);
    int figure = 0, n = 0;
    bool onlyBlankOrFigure = true;
    for (int id : first) {
        if (id > 0) {
            onlyBlankOrFigure &= figure == 0 || id == figure;
            figure = id;
            ++n;
        } else {
            onlyBlankOrFigure &= id == 0;
        }
    }
    const QString what = QStringLiteral("worksheet %1, set %2").arg(variant).arg(k);
    check(onlyBlankOrFigure && figure >= 1 && figure <= 12, what + QStringLiteral(": places hold blank or the set's figure"));
    s.first[k - 1] = first;
    if (variant == 0) {
        check(n >= 2 && n <= 10, what + QStringLiteral(": 2 to 10 figures (%1)").arg(n));
        return;
    }
    const QList<int> second = pictures(s, k, true);
    int c = 0;
    while (c < second.size() && second[c] == figure)
        ++c;
    bool rest = true;
    for (int p = c; p < second.size(); ++p)
        rest &= second[p] == 0;
    check(rest, what + QStringLiteral(": the second set fills its places from the first, the others blank"));
    if (variant == 1)
        check(n >= 2 && n <= 9 && c >= 1 && c <= n - 1, what + QStringLiteral(": %1 figures to add to, beside %2").arg(c).arg(n));
    else
        check(n >= 1 && n <= 9 && c >= n + 2 && c <= 11, what + QStringLiteral(": %1 figures to cross out, beside %2").arg(c).arg(n));
    s.second[k - 1] = second;
}

void Pupil::openSheet(int variant)
{
    SheetModel& s = sheets_[variant];
    if (s.window)
        return; // the open one comes to the front
    s = SheetModel();
    if (variant == 0)
        s.window = loadedForm<frmStampaSchede>();
    else if (variant == 1)
        s.window = loadedForm<frmStampaSchede2>();
    else
        s.window = loadedForm<frmStampaSchede3>();
    if (!check(s.window, QStringLiteral("the menu opens worksheet %1").arg(variant)))
        return;
    ++outcome_.opened[QString::fromLatin1(s.window->metaObject()->className())];
    watchClicks(s.window);
    const QList<int> none(15, -1);
    for (int k = 1; k <= 4; ++k) {
        s.first[k - 1] = none;
        s.second[k - 1] = variant == 0 ? QList<int>() : none;
    }
    s.made = {true, false, false, false};
    readSet(s, 1);
}

void Pupil::applyClick(QAbstractButton* button)
{
    if (!button)
        return;
    if (spaceDown_ == button)
        spaceDown_ = nullptr;
    if (mouseDown_ == button)
        mouseDown_ = nullptr;
    if (about_ && button == kid<PushKey>(about_, "Command1")) {
        about_ = nullptr;
        return;
    }
    if (choice_.window && button == kid<PushKey>(choice_.window, "Command2"))
        return; // hidden, not unloaded
    int variant = 0;
    SheetModel* s = sheetOf(button, &variant);
    if (!s)
        return;
    FinestraScheda* w = s->window;
    if (const int k = indexIn(kidsInsieme<PushKey>(w), button); k >= 0) {
        s->made[k] = true;
        s->part = k < 2 ? 1 : 2;
        readSet(*s, k + 1);
    } else if (button == kid<PushKey>(w, "Command2")) {
        s->part = 3 - s->part;
    } else if (button == kid<PushKey>(w, "CmdFine")) {
        *s = SheetModel();
    } else if (button == kid<PushKey>(w, "Command1")) {
        if (std::all_of(s->made.begin(), s->made.end(), [](bool b) { return b; }))
            expectPage(*s, variant);
        else
            expectedMessages_.append(variant == 0 ? QStringLiteral("Completa la scheda ")
                                     : variant == 1 ? QStringLiteral("Completa la scheda")
                                                    : QStringLiteral(" Completa la scheda"));
    }
}

} // namespace Soak
