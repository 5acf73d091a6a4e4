#pragma once

#include <QProxyStyle>

// The desktop's own style, but for the two arrows a menu bar shows when its entries do not
// fit. Qt's styles read them from PNG files the moment a menu bar is made, and reading the
// first PNG of a run loads every image format plugin to ask each whether it knows the file:
// a tenth of the start window's start-up, for an arrow that hardly ever shows. They are drawn
// here instead.
class Stile : public QProxyStyle
{
    Q_OBJECT

public:
    QIcon standardIcon(StandardPixmap icona, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
};
