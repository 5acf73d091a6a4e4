// The program's promises, checked after every event against what the pupil knows.
#include "pupil.h"

#include "app/frmautore.h"
#include "forms/frmfigure.h"
#include "app/frminizio.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "printing/printer.h"
#include "forms/pushkey.h"
#include "support/kid.h"
#include "support/paginastampata.h"
#include "support/printservice.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QComboBox>
#include <QMap>
#include <algorithm>

namespace Soak {

namespace {

const QString Istruzioni[3] = {
    QStringLiteral("Nel riquadro accanto disegna l'insieme consecutivo maggiore"),
    QStringLiteral("Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore"),
    QStringLiteral("Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore"),
};

bool isKey(const QWidget* w) { return qobject_cast<const PushKey*>(w) || qobject_cast<const QComboBox*>(w); }

QString text(const QLabel* l) { return l->text(); }

} // namespace

bool Pupil::check(bool ok, const QString& what)
{
    ++outcome_.checks;
    if (!ok)
        fail(what);
    return ok;
}

void Pupil::fail(const QString& what)
{
    if (!outcome_.failure.isEmpty())
        return;
    outcome_.failure = QStringLiteral("event %1: %2").arg(outcome_.events).arg(what);
    outcome_.trace = QStringList(trace_.begin(), trace_.end());
}

void Pupil::checkAll()
{
    check(messages_ == expectedMessages_, QStringLiteral("messages: expected [%1], shown [%2]")
                                              .arg(expectedMessages_.join(" | "), messages_.join(" | ")));
    messages_.clear();
    expectedMessages_.clear();
    check(pages_.empty(), QStringLiteral("a page was printed that the pupil did not ask for"));
    pages_.clear();
    checkWindows();
    if (!frontPending_)
        checkFront();
    checkExercise();
    for (int v = 0; v < 3; ++v)
        checkSheet(v);
    checkChoice();
}

void Pupil::checkWindows()
{
    QMap<QString, int> loaded, shown;
    for (Form* f : Form::loadedForms())
        ++loaded[QString::fromLatin1(f->metaObject()->className())];
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Form*>(w) && w->isVisible())
            ++shown[QString::fromLatin1(w->metaObject()->className())];
    for (auto it = loaded.begin(); it != loaded.end(); ++it)
        check(it.value() == 1, QStringLiteral("%1 is loaded %2 times").arg(it.key()).arg(it.value()));
    for (auto it = shown.begin(); it != shown.end(); ++it)
        check(it.value() == 1, QStringLiteral("%1 is on screen %2 times").arg(it.key()).arg(it.value()));

    check(loadedForm<FrmInizio>() == start_.data(), QStringLiteral("the start window is loaded while the program runs"));
    if (running_)
        check(start_ && (start_->isVisible() || start_->isMinimized()), QStringLiteral("the start window stays on screen"));
    check(loadedForm<frmOperativo>() == exercise_.window.data(), QStringLiteral("the exercise window is open when the pupil opened it"));
    check(loadedForm<frmStampaSchede>() == sheets_[0].window.data(), QStringLiteral("the empty-set worksheet is open when opened"));
    check(loadedForm<frmStampaSchede2>() == sheets_[1].window.data(), QStringLiteral("the add worksheet is open when opened"));
    check(loadedForm<frmStampaSchede3>() == sheets_[2].window.data(), QStringLiteral("the remove worksheet is open when opened"));
    check(loadedForm<frmAutore>() == about_.data(), QStringLiteral("About is open while the pupil has it open"));
    check(loadedForm<frmStampante>() == choice_.window.data(), QStringLiteral("the printer choice is loaded when it was opened"));
    if (choice_.window)
        check(choice_.window->isVisible() == (depth_ > 0 && QApplication::activeModalWidget() == choice_.window),
              QStringLiteral("the printer choice is on screen only while it is open"));
}

void Pupil::checkFront()
{
    if (QApplication::activePopupWidget())
        return; // an open list has the keyboard until it closes
    QList<QWidget*> shown;
    for (Form* f : Form::loadedForms())
        if (f->isVisible() && !f->isMinimized())
            shown.append(f);
    if (shown.isEmpty())
        return; // everything is down on the task bar
    for (QWidget* w : shown) {
        bool available = false;
        for (QWidget* k : w->findChildren<QWidget*>())
            available |= isKey(k) && k->isEnabled() && k->isVisible() && (k->focusPolicy() & Qt::TabFocus);
        check(available, QStringLiteral("%1 has a key that can take the focus").arg(QString::fromLatin1(w->metaObject()->className())));
    }
    QWidget* active = QApplication::activeWindow();
    if (!check(active && shown.contains(active),
               QStringLiteral("a window on screen has the keyboard (it is with %1)").arg(active ? active->metaObject()->className() : "nobody")))
        return;
    if (QWidget* modal = QApplication::activeModalWidget())
        check(active == modal, QStringLiteral("the modal window has the keyboard"));
    QWidget* focus = QApplication::focusWidget();
    check(focus && focus->window() == active && focus->isEnabled() && focus->isVisible() && isKey(focus),
          QStringLiteral("the keyboard focus is on an available key of %1 (it is on %2)")
              .arg(QString::fromLatin1(active->metaObject()->className()), focus ? focus->objectName() : QStringLiteral("nothing")));
}

void Pupil::checkExercise()
{
    const ExerciseModel& x = exercise_;
    frmOperativo* f = x.window;
    if (!f)
        return;
    using State = ExerciseModel::State;
    check(x.kind == kind_ && f->esercizio().tipo() == kind_,
          QStringLiteral("the exercise on screen is of kind %1, the kind chosen is %2").arg(f->esercizio().tipo()).arg(kind_));
    const Esercizio& e = f->esercizio();
    check(e.NumElementiD >= 0 && e.NumElementiD <= 10 && e.NumElementiD == x.d,
          QStringLiteral("NumElementiD is %1, the pupil built %2").arg(e.NumElementiD).arg(x.d));
    checkCoreShown(e);
    // The second set started as the instruction line on screen says it does, whatever kind
    // the pupil meant to choose.
    const int told = kindOnInstructionLine(text(kid<QLabel>(f, "Label2")));
    const bool startFits = told == InsiemeVuoto ? x.m == 0
                           : told == Aggiungere ? x.m >= 1 && x.m < x.n
                           : told == Togliere   ? x.m >= x.n + 2 && x.m <= 10
                                                : false;
    check(startFits, QStringLiteral("the instruction line '%1' fits a second set that started with %2 figures beside %3")
                         .arg(text(kid<QLabel>(f, "Label2"))).arg(x.m).arg(x.n));

    Frame* frames[3] = {kid<Frame>(f, "fraTastierino"), kid<Frame>(f, "fraAiuto"), kid<Frame>(f, "fraIntervento")};
    const int expected = x.state == State::Help ? 1 : x.state == State::Intervention ? 2 : 0;
    int enabled = 0;
    for (Frame* fr : frames)
        enabled += fr->isEnabledTo(f);
    check(enabled == 1 && frames[expected]->isEnabledTo(f),
          QStringLiteral("exactly the frame of the state is enabled (%1 enabled, state %2)").arg(enabled).arg(int(x.state)));
    const QObjectList& order = f->client()->children();
    bool inFront = true;
    for (int i = 0; i < 3; ++i)
        if (i != expected)
            inFront &= order.indexOf(frames[expected]) > order.indexOf(frames[i]);
    check(inFront, QStringLiteral("the enabled frame is in front"));

    if (x.state == State::Building || x.state == State::Solved) {
        const bool building = x.state == State::Building;
        const bool available[5] = {building, building, building && x.verifica, !building, !building};
        for (int i = 0; i < 5; ++i)
            check(kid<PushKey>(f, "Option1", i)->isEnabled() == available[i],
                  QStringLiteral("key %1 is %2").arg(kid<PushKey>(f, "Option1", i)->text(), available[i] ? "available" : "unavailable"));
    }

    const Picture figure = FrmFigure::Image3(x.figure);
    bool places = true;
    for (int k = 1; k <= frmOperativo::NumeroPosti; ++k) {
        places &= kid<ImageBox>(f, "Image1", k)->isHidden() != x.given[k];
        places &= !x.given[k] || kid<ImageBox>(f, "Image1", k)->picture() == figure;
        const bool shown = k <= x.shown;
        places &= kid<ImageBox>(f, "Image2", k)->isHidden() != shown;
        places &= !shown || kid<ImageBox>(f, "Image2", k)->picture() == figure;
    }
    check(places, QStringLiteral("the sets show %1 given figures and %2 built ones").arg(x.n).arg(x.shown));

    check(text(kid<QLabel>(f, "LblOperazione")) == QString::number(x.number), QStringLiteral("the exercise number reads %1").arg(x.number));
    check(text(kid<QLabel>(f, "lblRisEsatte")) == (x.rightShown ? QString::number(right_) : QString()),
          QStringLiteral("right answers read '%1', the pupil gave %2").arg(text(kid<QLabel>(f, "lblRisEsatte"))).arg(right_));
    check(text(kid<QLabel>(f, "lblRisErrate")) == (x.wrongShown ? QString::number(wrong_) : QString()),
          QStringLiteral("wrong answers read '%1', the pupil gave %2").arg(text(kid<QLabel>(f, "lblRisErrate"))).arg(wrong_));
    check(text(kid<Annuncio>(f, "LblEsito")) == x.outcome, QStringLiteral("the outcome reads '%1', expected '%2'").arg(text(kid<Annuncio>(f, "LblEsito")), x.outcome));
    check(text(kid<QLabel>(f, "Label2")) == x.label2, QStringLiteral("the instruction reads '%1', expected '%2'").arg(text(kid<QLabel>(f, "Label2")), x.label2));
    check(text(kid<QLabel>(f, "LblTempoParziale")) == x.partial && text(kid<QLabel>(f, "LblTempoTotale")) == x.total,
          QStringLiteral("the times read '%1' and '%2', expected '%3' and '%4'")
              .arg(text(kid<QLabel>(f, "LblTempoParziale")), text(kid<QLabel>(f, "LblTempoTotale")), x.partial, x.total));
}

QString pageAgainstSheet(const PaginaScheda& page, const SheetModel& s, int variant);

void Pupil::checkSheet(int variant)
{
    const SheetModel& s = sheets_[variant];
    FinestraScheda* w = s.window;
    if (!w)
        return;
    const QString which = QString::fromLatin1(w->metaObject()->className());
    check(w->insiemiGenerati() == s.made, which + QStringLiteral(": the exercises made up are the ones the pupil asked for"));
    const QString page = pageAgainstSheet(w->pagina(), s, variant);
    check(page.isEmpty(), which + QStringLiteral(": ") + page);
    for (int k = 1; k <= 4; ++k) {
        check(pictures(s, k, false) == s.first[k - 1],
              which + QStringLiteral(": set %1 changed without its button").arg(k));
        if (variant > 0)
            check(pictures(s, k, true) == s.second[k - 1],
                  which + QStringLiteral(": second set %1 changed without its button").arg(k));
    }
    if (auto* empty = qobject_cast<frmStampaSchede*>(w)) {
        // The boxes beside the sets stay empty for the pupil's own drawing.
        bool blank = true;
        for (int i = 30; i < 90; ++i)
            blank &= kid<ImageBox>(empty, "Image1", i)->picture().isNull();
        check(blank, which + QStringLiteral(": the empty boxes stay empty"));
    }
    check(kid<Frame>(w, "Frame3")->isHidden() != kid<Frame>(w, "Frame4")->isHidden() && w->parteVisibile() == s.part,
          which + QStringLiteral(": part %1 is on screen").arg(s.part));
    check(kid<PushKey>(w, "Command2")->text() == (s.part == 1 ? VisualizzaSeconda : VisualizzaPrima),
          which + QStringLiteral(": the part switch names the other part"));
}

void Pupil::watchClicks(QWidget* window)
{
    if (!window || window->property("soak").toBool())
        return;
    window->setProperty("soak", true);
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        QObject::connect(b, &QAbstractButton::clicked, b, [this, b] { clicks_.append(b); });
}

void Pupil::checkChoice()
{
    frmStampante* f = choice_.window;
    if (!f)
        return;
    QStringList items;
    for (int i = 0; i < kid<QComboBox>(f, "Combo1")->count(); ++i)
        items.append(kid<QComboBox>(f, "Combo1")->itemText(i));
    check(items == choice_.list, QStringLiteral("the printer choice lists the printers installed when it was opened"));
    check(kid<QLabel>(f, "Label1")->text() == choice_.label1, QStringLiteral("the printer choice names the default printer"));
    check(kid<QLabel>(f, "Label2")->text().isEmpty() || kid<QLabel>(f, "Label2")->text() == QStringLiteral("La stampante scelta è \r\n") + Printers::current(),
          QStringLiteral("the printer choice names the printer the worksheets print on"));
}

void Pupil::expectPage(SheetModel& s, int variant)
{
    if (!check(pages_.size() == 1, QStringLiteral("\"STAMPA\" prints one page (%1)").arg(pages_.size())))
        return;
    ++pagesPrinted_;
    ++outcome_.pages;
    checkPage(*pages_.front(), s, variant);
    pages_.pop_front();
}

void Pupil::checkPage(const RecordingPrinter& page, const SheetModel& s, int variant)
{
    using Op = RecordingPrinter::Op;
    const QList<Op>& ops = page.ops;
    QStringList texts;
    bool header = true;
    int lines = 0, widths = 0, ends = 0, breaks = 0;
    QMap<QPair<int, int>, int> pictures;
    for (int i = 0; i < ops.size(); ++i) {
        const Op& o = ops[i];
        switch (o.kind) {
        case Op::Text:
            texts.append(o.text);
            header &= o.a == QPointF(1000, texts.size() == 1 ? 1000 : 1500) && o.fontSize == (texts.size() == 1 ? 14 : 12);
            break;
        case Op::Line:
            ++lines;
            header &= widths == 1;
            break;
        case Op::DrawWidth:
            ++widths;
            header &= o.width == 3;
            break;
        case Op::Picture_:
            ++pictures[{qRound(o.a.x()), qRound(o.a.y())}];
            break;
        case Op::NewPage:
            ++breaks;
            break;
        case Op::End:
            ++ends;
            header &= i == ops.size() - 1;
            break;
        }
    }
    check(header && texts == QStringList({QStringLiteral("Nome e Cognome   "), Istruzioni[variant]}) && lines == 32 && ends == 1
              && breaks == 0,
          QStringLiteral("the page has its header, 32 lines, one end and no page break (%1 lines, %2 breaks)")
              .arg(lines).arg(breaks));
    // Every place printed once, at its own point, with the picture the preview holds there.
    bool same = pictures.size() == (variant == 0 ? 60 : 120);
    for (int k = 1; k <= 4; ++k)
        for (int p = 0; p < PaginaScheda::Posti; ++p)
            for (bool right : {false, true}) {
                if (right && variant == 0)
                    continue;
                const QPointF at = PaginaScheda::posto(k, p, right);
                const int id = (right ? s.second : s.first)[k - 1][p];
                const QPair<int, int> key(qRound(at.x()), qRound(at.y()));
                same &= pictures.value(key) == 1;
                bool found = false;
                for (const Op& o : ops)
                    found |= o.kind == Op::Picture_ && o.a == at && o.pictureId == id;
                same &= found;
            }
    check(same, QStringLiteral("the page holds the pictures of the preview, each at its place"));

    if (!nextPageReal_)
        return;
    // The same page on paper, read back from the print service.
    const QString queue = Printers::current();
    QDeadlineTimer limit(2 * Printers::RunLimitMs);
    while (Printers::runsInProgress() > 0 && !limit.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
        QThread::msleep(1);
    }
    const QString pdf = PrintService::waitNewJob(queue, realBefore_);
    if (!check(!pdf.isEmpty(), QStringLiteral("the page reached the print service's queue %1").arg(queue)))
        return;
    PaginaScheda preview;
    preview.secondi = variant > 0;
    for (int k = 0; k < 4; ++k)
        for (int p = 0; p < PaginaScheda::Posti; ++p)
            for (bool second : {false, true})
                if (const int id = second && variant == 0 ? 0 : (second ? s.second : s.first)[k][p]; id > FrmFigure::Bianca) {
                    preview.esercizi[k].figura = qint16(id);
                    (second ? preview.esercizi[k].secondo : preview.esercizi[k].primo).set(std::size_t(p));
                }
    const QString different = PaginaStampata::confronta(
        PrintService::render(pdf, PaginaStampata::Dpi).convertToFormat(QImage::Format_RGB32), preview);
    check(different.isEmpty() && PrintService::pages(pdf) == 1, QStringLiteral("the paper shows the preview: ") + different);
    ++outcome_.realPages;
}

void Pupil::checkCoreShown(const Esercizio& e)
{
    // What the exercise holds is what the window shows: the given set at its places with its
    // figure, the second set from place 1 on, and every counter that is on screen.
    const frmOperativo* f = exercise_.window;
    const Picture figure = FrmFigure::Image3(e.FiguraCorrente);
    std::array<bool, 16> held{};
    for (int i = 1; i <= e.NumElementiS; ++i)
        held[e.PostiS[i]] = true;
    bool same = true;
    for (int k = 1; k <= frmOperativo::NumeroPosti; ++k) {
        same &= kid<ImageBox>(f, "Image1", k)->isHidden() != held[k] && (!held[k] || kid<ImageBox>(f, "Image1", k)->picture() == figure);
        if (exercise_.state == ExerciseModel::State::Building || exercise_.state == ExerciseModel::State::Help)
            same &= kid<ImageBox>(f, "Image2", k)->isHidden() != (k <= e.NumElementiD);
    }
    check(same, QStringLiteral("the sets on screen are those the exercise holds (n %1, figure %2, second set %3)")
                    .arg(e.NumElementiS).arg(e.FiguraCorrente).arg(e.NumElementiD));
    const auto shows = [](const QLabel* l, qint64 value) { return text(l).isEmpty() || text(l) == QString::number(value); };
    check(text(kid<QLabel>(f, "LblOperazione")) == QString::number(e.NumOperazione) && shows(kid<QLabel>(f, "lblRisEsatte"), e.RisEsatte)
              && shows(kid<QLabel>(f, "lblRisErrate"), e.RisErrate),
          QStringLiteral("the counters on screen are the exercise's (%1, %2, %3)").arg(e.NumOperazione).arg(e.RisEsatte).arg(e.RisErrate));
    check(e.RisEsatte >= coreRight_ && e.RisErrate >= coreWrong_ && e.TempoTotale >= coreSeconds_,
          QStringLiteral("the counters never go back (right %1 after %2, wrong %3 after %4, seconds %5 after %6)")
              .arg(e.RisEsatte).arg(coreRight_).arg(e.RisErrate).arg(coreWrong_).arg(e.TempoTotale).arg(coreSeconds_));
    coreRight_ = e.RisEsatte;
    coreWrong_ = e.RisErrate;
    coreSeconds_ = e.TempoTotale;
}

// A page's figures are those of its exercise: "STAMPA" would print at every place what the
// preview shows there, in sets of the worksheet's sizes. Empty when so, else what differs.
QString pageAgainstSheet(const PaginaScheda& page, const SheetModel& s, int variant)
{
    for (int k = 1; k <= 4; ++k) {
        const EsercizioPagina& e = page.esercizi[k - 1];
        for (int p = 0; p < PaginaScheda::Posti && s.made[k - 1]; ++p)
            for (bool second : {false, true})
                if ((!second || variant > 0) && e.figuraIn(p, second) != (second ? s.second : s.first)[k - 1][p])
                    return QStringLiteral("exercise %1, place %2: the page and the preview differ").arg(k).arg(p);
        const int n = int(e.primo.count()), m = int(e.secondo.count());
        if (s.made[k - 1] && !(variant == 0 ? n >= 2 && n <= 10 && m == 0 && !page.secondi
                               : variant == 1 ? m >= 1 && m < n && page.secondi
                                              : m >= n + 2 && m <= 11 && page.secondi))
            return QStringLiteral("exercise %1: sets of %2 and %3 figures on this worksheet").arg(k).arg(n).arg(m);
    }
    return QString();
}

} // namespace Soak
