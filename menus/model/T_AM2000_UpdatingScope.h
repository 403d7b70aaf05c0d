#pragma once

// The menu system's global updating counter: while it is above zero, changes of option
// groups neither refresh their owners nor clear Parent flags. Internal copies (the
// merge of a drop-down's options, assigning a whole group) raise it for their span.
class T_AM2000_UpdatingScope {
public:
    T_AM2000_UpdatingScope();
    ~T_AM2000_UpdatingScope();
    T_AM2000_UpdatingScope(const T_AM2000_UpdatingScope&) = delete;
    T_AM2000_UpdatingScope& operator=(const T_AM2000_UpdatingScope&) = delete;

    static bool Updating() { return s_counter > 0; }
    static int Counter() { return s_counter; }

private:
    static int s_counter;
};
