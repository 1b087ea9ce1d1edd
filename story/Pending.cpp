// The stand-ins of scenes still to be written (see story/Pending.h).

#include "story/Pending.h"
#include "story/Scenes.h"

#include <set>

namespace zb::scenes {

using namespace script;

namespace {

std::set<std::string_view>& standIns() {
    static std::set<std::string_view> names;
    return names;
}
Scene standIn(std::string_view name, Ops ops) {
    standIns().insert(name);
    return {name, {Step{ops}}};
}
} // namespace

Scene pending(std::string_view name, StoryFlag f, Exit e) {
    Ops ops = record(f);
    const Ops out = leave(e);
    ops.insert(ops.end(), out.begin(), out.end());
    return standIn(name, ops);
}

Scene pending(std::string_view name, StoryFlag half, StoryFlag f, Exit e) {
    Ops ops = record(half);
    for (const Ops& more : {record(f), leave(e)})
        ops.insert(ops.end(), more.begin(), more.end());
    return standIn(name, ops);
}

Scene pending(std::string_view name, Exit e) {
    return standIn(name, leave(e));
}

Scene pendingHandOver(std::string_view name, StoryFlag f) {
    Ops ops = record(f);
    const Ops out = next();
    ops.insert(ops.end(), out.begin(), out.end());
    return standIn(name, ops);
}

bool isPending(const Scene& s) {
    return standIns().count(s.name) != 0;
}


} // namespace zb::scenes
