#pragma once

#include "platform/controls.h"
#include "textbase/window_links.h"

namespace vx::test {

// The lists of an open session as the relations window sees them, without a session window.
struct SessionLists {
    TMemo SessionMemo, InterprtMemo, MemoLK, MemoLzB;
    unsigned char Opened = 1;
    SessionLinks Links() { return {SessionMemo, InterprtMemo, MemoLK, MemoLzB, Opened}; }
};

}  // namespace vx::test
