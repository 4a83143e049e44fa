#pragma once
// Replaces renderers for the length of a test and puts the registered ones back after.

#include "toolkit/Renderers.h"

#include <map>

namespace tabulon::test {

class ScopedRenderers {
public:
    ScopedRenderers() = default;
    ScopedRenderers(const ScopedRenderers&) = delete;
    ScopedRenderers& operator=(const ScopedRenderers&) = delete;
    ~ScopedRenderers()
    {
        for (auto& [id, fn] : saved_)
            RegisterRenderer(id, fn);
    }

    void set(RendererId id, RendererFn fn)
    {
        saved_.try_emplace(id, RegisteredRenderer(id));
        RegisterRenderer(id, std::move(fn));
    }

private:
    std::map<RendererId, RendererFn> saved_;
};

// Every renderer id, first to last.
inline constexpr RendererId FirstRenderer = RendererId::PrintCover;
inline constexpr RendererId LastRenderer = RendererId::PrintYearBackCover;

}  // namespace tabulon::test
