#pragma once

#include <QAction>
#include <QObject>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// The controls of a window found as a reader of the window finds them: by the object names the
// window gave them ("Command1", "Option1[2]"). The windows keep their controls to themselves;
// a name that is missing, or a control of another type, stops the run at once rather than
// leaving a test to pass on a null pointer.
template <class T>
QList<T*> kidsOrStop(const QObject* window, const QRegularExpression& name)
{
    const QList<T*> found = window ? window->findChildren<T*>(name) : QList<T*>();
    if (found.isEmpty()) {
        std::fprintf(stderr, "no control named %s\n", qPrintable(name.pattern()));
        std::abort();
    }
    return found;
}

// The first control whose name matches, for the few the worksheet windows name unevenly
// ("CmdInsieme1" but "cmdInsieme2"; "mnuStampante" or "mnuImpostazioneStampante").
template <class T>
T* kid(const QObject* window, const QRegularExpression& name) { return kidsOrStop<T>(window, name).first(); }

template <class T>
T* kid(const QObject* window, const QString& name)
{
    T* k = window ? window->findChild<T*>(name) : nullptr;
    return k ? k : kidsOrStop<T>(window, QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$'))).first();
}

// Element i of a control array: "Image1[3]".
template <class T>
T* kid(const QObject* window, const char* array, int i) { return kid<T>(window, QStringLiteral("%1[%2]").arg(array).arg(i)); }

// Every element of a control array, in the order of their indices.
template <class T>
QList<T*> kids(const QObject* window, const char* array)
{
    const QRegularExpression name(QRegularExpression::escape(QLatin1String(array)) + QStringLiteral("\\[(\\d+)\\]$"));
    QList<T*> found = kidsOrStop<T>(window, QRegularExpression(QLatin1Char('^') + name.pattern()));
    const auto index = [&name](const T* k) { return name.match(k->objectName()).captured(1).toInt(); };
    std::sort(found.begin(), found.end(), [&index](const T* a, const T* b) { return index(a) < index(b); });
    return found;
}

// The key that makes up exercise k (1 to 4) of a worksheet window, and the four in order.
template <class T>
T* kidInsieme(const QObject* window, int k) { return kid<T>(window, QRegularExpression(QStringLiteral("^[Cc]mdInsieme%1$").arg(k))); }

template <class T>
QList<T*> kidsInsieme(const QObject* window) { return {kidInsieme<T>(window, 1), kidInsieme<T>(window, 2), kidInsieme<T>(window, 3), kidInsieme<T>(window, 4)}; }

// The printer entry of a worksheet window's menu, named after the window.
inline QAction* kidMenuStampante(const QObject* window)
{
    return kid<QAction>(window, QRegularExpression(QStringLiteral("^mnu(Impostazione)?Stampante$")));
}
