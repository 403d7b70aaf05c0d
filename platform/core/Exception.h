#pragma once

#include <QString>
#include <exception>
#include <string>

// The one error base of the system: an error carries a message text, and the
// application's event dispatch shows that text in the standard error report.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// The platform's error kinds. They add nothing but their kind, so that callers and
// tests can tell them apart.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};
class EInvalidGraphicOperation : public Exception {
    using Exception::Exception;
};
class EListError : public Exception {
    using Exception::Exception;
};
class EInvalidOperation : public Exception {
    using Exception::Exception;
};
class EReadError : public Exception {
    using Exception::Exception;
};
class EWriteError : public Exception {
    using Exception::Exception;
};
class EDatabaseError : public Exception {
    using Exception::Exception;
};
class EJPEG : public Exception {
    using Exception::Exception;
};
class ELayoutError : public Exception {
    using Exception::Exception;
};
// A silent abort: the application's error report shows nothing for it.
class EAbort : public Exception {
    using Exception::Exception;
};
// A program resource that is not there ("Resource TOP not found").
class EResNotFound : public Exception {
    using Exception::Exception;
};
// A file that cannot be opened or created.
class EFOpenError : public Exception {
    using Exception::Exception;
};
class EFCreateError : public Exception {
    using Exception::Exception;
};
