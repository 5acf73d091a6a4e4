#include "forms/form.h"

#include "core/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWindowStateChangeEvent>

namespace {
QList<Form*>& loaded()
{
    static QList<Form*> list;
    return list;
}

std::function<void()>& lastUnloaded()
{
    static std::function<void()> callback;
    return callback;
}
} // namespace

Form::Form(const QString& caption, QSizeF designInnerTwips, const QColor& back, Placement placement,
           Layout layout)
    : design_(designInnerTwips), placement_(placement), layout_(layout), client_(new QWidget(this))
{
    setWindowTitle(caption);
    // A window of fixed size is a dialog: it has nothing to maximize or minimize.
    if (layout == Layout::Fixed)
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, back);
    client_->setPalette(pal);
    setCentralWidget(client_);
    client_->installEventFilter(this);
}

Form::~Form()
{
    loaded().removeOne(this);
}

const QList<Form*>& Form::loadedForms() { return loaded(); }

void Form::setOnLastUnloaded(std::function<void()> callback) { lastUnloaded() = std::move(callback); }

void Form::addControl(QWidget* widget, QWidget* container, const QRectF& twips, Kind kind,
                      const QString& name, Dock dock)
{
    widget->setParent(container ? container : client_);
    widget->setObjectName(name);
    controls_.push_back({widget, kind, twips, dock});
    applyGeometry(controls_.back());
}

void Form::stackInListOrder()
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        it->widget->raise();
}

Form::Control* Form::find(const QWidget* widget)
{
    for (Control& c : controls_)
        if (c.widget == widget)
            return &c;
    return nullptr;
}

const Form::Control* Form::control(const QWidget* widget) const
{
    return const_cast<Form*>(this)->find(widget);
}

void Form::applyGeometry(const Control& c)
{
    QRectF r = c.twips;
    if (c.dock != Dock::None) {
        r.setTop(0);
        r.setHeight(scaleHeight());
        r.moveLeft(c.dock == Dock::Left ? 0.0 : scaleWidth() - r.width());
    }
    c.widget->setGeometry(Twips::toPixels(r));
}

void Form::moveControl(QWidget* widget, const QRectF& twips)
{
    if (Control* c = find(widget)) {
        c->twips = twips;
        applyGeometry(*c);
    }
}

void Form::setControlWidth(QWidget* widget, double twips)
{
    if (Control* c = find(widget)) {
        c->twips.setWidth(twips);
        applyGeometry(*c);
    }
}

double Form::scaleWidth() const { return Twips::fromPixels(client_->width()); }
double Form::scaleHeight() const { return Twips::fromPixels(client_->height()); }
double Form::outerWidth() const { return Twips::fromPixels(frameGeometry().width()); }

void Form::load()
{
    if (loaded_)
        return;
    // Start at the design size, so that what load measures is the design.
    const QSize inner = Twips::toPixels(design_);
    client_->resize(inner);
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    if (layout_ == Layout::Fixed)
        setFixedSize(inner.width(), inner.height() + menu);
    else
        resize(inner.width(), inner.height() + menu);
    loaded_ = true;
    loaded().append(this);
    if (layout_ == Layout::Proportional) {
        // The window is at its design size when it loads.
        std::vector<QRectF> posti;
        posti.reserve(controls_.size());
        for (const Control& c : controls_)
            posti.push_back(c.twips);
        proporzioni_ = Proporzioni(posti, design_);
    }
    onLoad();
}

void Form::showModeless(Form* opener)
{
    if (!loaded_ || unloading_)
        return;
    if (opener && opener != this)
        opener_ = opener;
    else if (!isVisible() && !opener_)
        if (auto* active = qobject_cast<Form*>(QApplication::activeWindow()); active && active != this)
            opener_ = active;
    if (!isVisible()) {
        if (placement_ == Placement::Maximized) {
            showMaximized();
        } else {
            if (!shownOnce_) {
                if (QScreen* s = QGuiApplication::primaryScreen()) {
                    QRect area = s->availableGeometry();
                    move(area.center() - QPoint(width() / 2, height() / 2));
                }
            }
            show();
        }
        shownOnce_ = true;
    } else if (isMinimized()) {
        showNormal();
        if (placement_ == Placement::Maximized)
            showMaximized();
    }
    bringToFront();
}

void Form::showModal()
{
    if (!loaded_ || unloading_)
        return;
    // The window that opened this one gets the keyboard back afterwards: not every window
    // manager hands it back when a window goes away, and none does without one.
    QPointer<QWidget> chiamante = QApplication::activeWindow();
    setWindowModality(Qt::ApplicationModal);
    showModeless();
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    if (isVisible() && loaded_)
        loop.exec();
    if (chiamante && chiamante != this && chiamante->isVisible())
        chiamante->activateWindow();
}

void Form::hideForm()
{
    hide();
    emit hidden();
}

void Form::bringToFront()
{
    raise();
    activateWindow();
}

void Form::unload()
{
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    onUnload();
    loaded_ = false;
    loaded().removeOne(this);
    hide();
    emit unloaded();
    // The window that opened this one is in front again, and has the keyboard: without a
    // window manager nothing else hands it back, and a pupil on the keyboard would be left
    // with no key.
    if (opener_ && opener_->isLoaded())
        opener_->showModeless();
    // The request may come from a handler of one of this window's own controls.
    deleteLater();
    if (loaded().isEmpty() && lastUnloaded())
        lastUnloaded()();
}

void Form::onResize()
{
    if (layout_ != Layout::Proportional)
        return;
    const std::vector<QRectF> posti = proporzioni_.applica(QSizeF(scaleWidth(), scaleHeight()));
    // Combo boxes and lines stay where they were placed; every other control takes its share.
    for (std::size_t i = 0; i < posti.size() && i < controls_.size(); ++i)
        if (controls_[i].kind != Kind::ComboBox && controls_[i].kind != Kind::Line)
            moveControl(controls_[i].widget, posti[i]);
}

void Form::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window like the program's own exit keys do.
    event->ignore();
    unload();
}

void Form::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !loaded_)
        return;
    // Coming back from the task bar counts as a new size: the window lays itself out again.
    const auto* e = static_cast<QWindowStateChangeEvent*>(event);
    if ((e->oldState() & Qt::WindowMinimized) && !isMinimized())
        onResize();
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize && loaded_ && !isMinimized())
        onResize();
    return QMainWindow::eventFilter(watched, event);
}
