#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

class TObject;

// An event of a component: a handler bound by name (so that a stored layout can
// write the binding back), or unassigned.
template <typename... Args> class TEvent {
public:
    using Handler = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(Handler handler) // NOLINT: plain assignment of a lambda is the common use
        : m_handler(std::move(handler))
    {}
    // Any callable, so that `event = [](TObject*) {...};` works without naming Handler.
    template <typename F>
    requires(std::is_invocable_v<F&, Args...> && !std::is_same_v<std::remove_cvref_t<F>, TEvent> &&
             !std::is_same_v<std::remove_cvref_t<F>, Handler>)
        TEvent(F&& handler) // NOLINT: as above
        : m_handler(std::forward<F>(handler))
    {}

    void Bind(QString handlerName, Handler handler)
    {
        m_name = std::move(handlerName);
        m_handler = std::move(handler);
    }
    void Clear()
    {
        m_name.clear();
        m_handler = nullptr;
    }
    const QString& HandlerName() const { return m_name; }
    explicit operator bool() const { return bool(m_handler); }

    // Calls the handler when one is bound; does nothing otherwise.
    void operator()(Args... args) const
    {
        if (m_handler)
            m_handler(std::forward<Args>(args)...);
    }

private:
    QString m_name;
    Handler m_handler;
};

using TNotifyEvent = TEvent<TObject*>;
