#pragma once

class TClassInfo;

// Root of every class that takes part in stored layouts: it can name its class
// information, through which its published properties are read and written.
class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    bool InheritsFrom(const TClassInfo& other) const;
};

// Declares the class information of a class of the system; the .cpp defines
// StaticClassInfo() with the class's published properties and handlers.
#define T_CLASS_INFO                                                                               \
public:                                                                                            \
    static const TClassInfo& StaticClassInfo();                                                    \
    const TClassInfo& ClassInfo() const override                                                   \
    {                                                                                              \
        return StaticClassInfo();                                                                  \
    }                                                                                              \
                                                                                                   \
private:
