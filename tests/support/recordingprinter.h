#pragma once

#include "printing/printer.h"

#include <QList>
#include <QPointF>

// A printer that writes down what it is asked to do, and can be made to fail at the n-th
// operation (counting from 1) and at every one after it.
class RecordingPrinter final : public PrinterSurface
{
public:
    struct Op
    {
        enum Kind { Text, Line, Picture_, DrawWidth, NewPage, End } kind = Text;
        QPointF a{};
        QPointF b{};
        QString text{};
        double fontSize = 0;
        int pictureId = -1;
        int width = 0;
    };

    int failFrom = 0; // 0: never fail
    QList<Op> ops;

    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    void setFontSize(double points) override { size_ = points; }
    void setDrawWidth(int width) override { record({.kind = Op::DrawWidth, .width = width}); }
    void print(const QString& text) override
    {
        record({.kind = Op::Text, .a = {x_, y_}, .text = text, .fontSize = size_});
    }
    void line(QPointF from, QPointF to, const QColor&) override
    {
        record({.kind = Op::Line, .a = from, .b = to});
    }
    void paintPicture(const ::Picture& p, QPointF at) override
    {
        record({.kind = Op::Picture_, .a = at, .pictureId = p.id()});
    }
    void newPage() override { record({.kind = Op::NewPage}); }
    void endDoc() override { record({.kind = Op::End}); }

    int count(Op::Kind kind) const
    {
        int n = 0;
        for (const Op& o : ops)
            n += o.kind == kind;
        return n;
    }

private:
    void record(const Op& op)
    {
        ++calls_;
        if (failFrom > 0 && calls_ >= failFrom)
            throw PrinterError("broken on purpose");
        ops.append(op);
    }
    double x_ = 0, y_ = 0, size_ = 0;
    int calls_ = 0;
};
