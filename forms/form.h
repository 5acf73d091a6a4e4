#pragma once

#include "forms/proporzioni.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <vector>

// A window of the program. Each window class exists at most once while loaded: it is
// created and loaded on first use (`loadForm<F>()`), shown modeless or modal, hidden, and
// unloaded, which runs its unload handler and lets it go. Positions and sizes of its
// controls are twips relative to their container; the window keeps the list of its controls
// in the order they were placed, and can lay them out in proportion to its inner size.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    enum class Placement { Maximized, Centred };
    enum class Layout { Proportional, Fixed };
    enum class Kind { Label, Frame, OptionButton, CommandButton, PictureBox, Image, Shape, ComboBox, Line };
    enum class Dock { None, Left, Right };

    struct Control
    {
        QWidget* widget = nullptr;
        Kind kind = Kind::Label;
        QRectF twips; // where the control stands now, relative to its container
        Dock dock = Dock::None;
    };

    Form(const QString& caption, QSizeF designInnerTwips, const QColor& back, Placement placement,
         Layout layout);
    ~Form() override;

    // Runs the load handler once; the window registry calls it right after creating the window.
    void load();
    bool isLoaded() const { return loaded_; }
    // Shows the window (maximized or centred the first time) and brings it to the front.
    // `opener` is the window that gets the keyboard back when this one is unloaded; without
    // one, the window active when this one comes up is taken.
    void showModeless(Form* opener = nullptr);
    // Shows the window modal: returns when it is hidden or unloaded.
    void showModal();
    void hideForm();
    // Runs the unload handler and lets the window go. A second request while the first is
    // under way does nothing.
    void unload();
    void bringToFront();

    // Inner area (the client area, without menu bar) and outer width, in twips.
    double scaleWidth() const;
    double scaleHeight() const;
    double outerWidth() const;
    QSizeF designInnerSize() const { return design_; }
    QWidget* client() const { return client_; }

    const std::vector<Control>& controls() const { return controls_; }
    const Control* control(const QWidget* widget) const;
    // Moves a control: twips relative to its container.
    void moveControl(QWidget* widget, const QRectF& twips);
    // Sets a control's width; a docked control keeps its edge and the full height.
    void setControlWidth(QWidget* widget, double twips);
    const Proporzioni& proporzioni() const { return proporzioni_; }

    // Windows loaded now, in the order they were loaded.
    static const QList<Form*>& loadedForms();
    // Called when the last loaded window has been unloaded (the program then ends).
    static void setOnLastUnloaded(std::function<void()> callback);

signals:
    void hidden();
    void unloaded();

protected:
    // Adds a control to the window: `container` is the window's client area or a frame,
    // `twips` its design place. The list order is the order of these calls.
    template <class W>
    W* place(W* widget, QWidget* container, const QRectF& twips, Kind kind, const QString& name,
             Dock dock = Dock::None)
    {
        addControl(widget, container, twips, kind, name, dock);
        return widget;
    }
    // Stacks the controls so that each is drawn over the ones placed after it.
    void stackInListOrder();

    virtual void onLoad() {}
    virtual void onUnload() {}
    // At every change of the inner size; by default the proportional layout.
    virtual void onResize();

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addControl(QWidget* widget, QWidget* container, const QRectF& twips, Kind kind,
                    const QString& name, Dock dock);
    void applyGeometry(const Control& c);
    Control* find(const QWidget* widget);

    QSizeF design_;
    Placement placement_;
    Layout layout_;
    QWidget* client_;
    std::vector<Control> controls_;
    Proporzioni proporzioni_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool shownOnce_ = false;
    QPointer<Form> opener_;
};

// The loaded instance of a window class, or null.
template <class F>
F* loadedForm()
{
    for (Form* f : Form::loadedForms())
        if (auto* w = qobject_cast<F*>(f))
            return w;
    return nullptr;
}

// The loaded instance of a window class; loads it first when it is not loaded.
template <class F>
F& loadForm()
{
    if (F* f = loadedForm<F>())
        return *f;
    auto* f = new F;
    f->load();
    return *f;
}
