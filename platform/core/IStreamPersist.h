#pragma once

class TStream;

// An object that can write itself to a stream and read itself back, in its own stream
// form (a bitmap as a Windows bitmap file, a blob field as its bytes). A blob field
// stores any such object by its stream form, and a picture can load itself from a blob
// field through it.
class IStreamPersist {
public:
    virtual ~IStreamPersist() = default;
    // Replaces the object's state with what the stream holds from its position on.
    virtual void LoadFromStream(TStream& stream) = 0;
    // Writes the object's stream form at the stream's position.
    virtual void SaveToStream(TStream& stream) const = 0;
};
