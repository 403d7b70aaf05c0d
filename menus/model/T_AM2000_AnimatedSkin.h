#pragma once

#include "I_AM2000_OptionsOwner.h"
#include "TComponent.h"

#include <memory>
#include <vector>

class T_AM2000_Colors;
class T_AM2000_Margins;
class T_AM2000_Options;
class T_AM2000_Skin;
class T_AM2000_Title;

// A component that carries one complete set of option groups for several menus (their
// AnimatedSkin). At run time it only supplies the groups; a change of one of them
// refreshes every menu that uses it.
class T_AM2000_AnimatedSkin : public TComponent, public I_AM2000_OptionsOwner {
    T_CLASS_INFO
public:
    explicit T_AM2000_AnimatedSkin(TComponent* owner);
    ~T_AM2000_AnimatedSkin() override;

    // The groups, as an options object whose Parent flags say which groups were set.
    const T_AM2000_Options& Groups() const { return *m_options; }
    T_AM2000_Title* Title() const;
    T_AM2000_Colors* Colors() const;
    T_AM2000_Margins* Margins() const;
    T_AM2000_Skin* Skin() const;

    // A menu that uses the skin; it is told of every change until it leaves.
    void AddClient(I_AM2000_OptionsOwner* client);
    void RemoveClient(I_AM2000_OptionsOwner* client);

    void OptionsChanged() override;

private:
    std::unique_ptr<T_AM2000_Options> m_options;
    std::vector<I_AM2000_OptionsOwner*> m_clients;
};
