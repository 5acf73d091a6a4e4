#pragma once

#include <QLoggingCategory>
#include <QString>

// How a print run or the writing of a file ended. The pupil and the teacher see one sentence
// chosen by the kind; the reason is for whoever finds out what happened, in the log.
struct Outcome
{
    enum class Kind {
        Done,
        // The print service did not take the document (no printer, no answer, a refusal, a
        // page that could not be painted): the reason says which.
        NotPrinted,
        // A file could not be written.
        IsFolder,      // the name is a folder's
        NoFolder,      // the folder does not exist
        CannotCreate,  // the folder cannot be written in
        CannotWrite,   // the disk is full, or refused a write
        CannotReplace, // the complete file could not take the place of the old one
    };

    // For printing: the print service took the document (it prints, has printed, or waits
    // for its printer). For saving: the file is complete where it was asked for.
    bool ok = false;
    Kind kind = Kind::Done;
    // When not ok: what went wrong, in the developer's words.
    QString why;
    // The printer the document went to or was meant for; the file written or meant to be.
    QString target;

    static Outcome done(const QString& target) { return {true, Kind::Done, QString(), target}; }
    static Outcome failed(Kind kind, const QString& why, const QString& target) { return {false, kind, why, target}; }
};

// What the printing and the saving did, for a technician: failures are warnings, written
// unless switched off; each step is a debug message, written only when switched on
// (QT_LOGGING_RULES="tarvello.*.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcPrinting)
Q_DECLARE_LOGGING_CATEGORY(lcSaving)
