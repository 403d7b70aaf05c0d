#pragma once

#include <QString>

// A catalogue on a PostgreSQL server is named by a connection URI in libpq's own syntax,
// postgresql://[user@]host[:port]/dbname[?param=value&...] (or postgres://...), where a
// file path names a catalogue file. Every parameter of libpq passes through unchanged
// (sslmode, sslrootcert, service, ...).
//
// A password never belongs in the URI: the programs take it from libpq's own places
// (~/.pgpass, PGPASSWORD, a service file), and no text they show or write holds one.
class TPgUri {
public:
    // Seconds to wait for a server that does not answer, unless connect_timeout says.
    static constexpr int DefaultConnectTimeout = 5;

    // True when location is such a URI rather than a file path.
    static bool IsUri(const QString& location);
    // The URI with any password taken out (the one after "user:" and a password
    // parameter): the form in which the location appears in messages.
    static QString Scrubbed(const QString& uri);
    // True when the URI holds a password of its own.
    static bool HoldsPassword(const QString& uri);
    // For a location given on a command line, which anyone on the machine can read:
    // raises EDatabaseError when it is a URI with a password, saying where a password
    // belongs (without repeating the URI).
    static void CheckNoPassword(const QString& location);
    // Raises EDatabaseError saying what is wrong when libpq cannot read the URI; the
    // message never repeats a password.
    static void Check(const QString& uri);
    // How long connecting may take, in milliseconds: connect_timeout when the URI sets
    // it (libpq's rule: at least 2 seconds, 0 meaning no limit), else the default.
    static int ConnectTimeoutMs(const QString& uri);
};
