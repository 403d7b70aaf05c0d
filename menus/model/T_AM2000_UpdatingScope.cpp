#include "T_AM2000_UpdatingScope.h"

int T_AM2000_UpdatingScope::s_counter = 0;

T_AM2000_UpdatingScope::T_AM2000_UpdatingScope()
{
    ++s_counter;
}

T_AM2000_UpdatingScope::~T_AM2000_UpdatingScope()
{
    --s_counter;
}
