#pragma once

namespace tq58 {

class EditorHost;

// Before channel 16 of a plan group goes off, the user is asked, No being the default; true
// when the channel at the position of the group (ChannelGroup) may be switched off.
bool MaySwitchOffChannel(EditorHost& host, int group, int position);

} // namespace tq58
