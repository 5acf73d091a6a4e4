#pragma once

#include <QByteArray>
#include <QString>

// The teacher's PIN, kept in the register only as a salted PBKDF2 digest (HMAC-SHA-256), so
// that the file never holds the PIN itself. The digest is slow on purpose: run it off the
// window's thread.
namespace Pin {

inline constexpr int MinCifre = 4;
inline constexpr int MaxCifre = 8;
inline constexpr int Iterazioni = 100000;
// The register's setting that holds the digest; deleting its row lets the next opening set a
// new PIN.
inline const QString Chiave = QStringLiteral("pin_registro");

// 4 to 8 digits, nothing else.
bool valido(const QString& pin);

// PBKDF2 (RFC 8018) with HMAC-SHA-256.
QByteArray pbkdf2(const QByteArray& password, const QByteArray& sale, int iterazioni, int lunghezza);

// The setting's value for a PIN, with a new random salt: "pbkdf2-sha256$iterations$salt$digest".
QString impronta(const QString& pin);
// Whether the PIN gives the digest kept; false for a value that is not one.
bool corrisponde(const QString& pin, const QString& impronta);

// How long the window waits before the next try after `errori` wrong PINs in a row: nothing
// after the first, then a second that doubles, up to half a minute.
int attesaMs(int errori);

} // namespace Pin
