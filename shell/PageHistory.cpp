#include "shell/PageHistory.h"

void PageHistory::record(const PageVisit& visit)
{
    // The same place again is no new entry; it keeps what it was first
    // recorded with.
    if (current_ >= 0) {
        const PageVisit& last = visits_[std::size_t(current_)];
        if (last.page == visit.page && last.windowId == visit.windowId && last.selectionTag == visit.selectionTag)
            return;
    }
    visits_.resize(current_ + 1);
    visits_.push_back(visit);
    current_ = static_cast<int>(visits_.size()) - 1;
}

void PageHistory::clear()
{
    visits_.clear();
    current_ = -1;
}

int PageHistory::findUsable(int from, int step, const Usable& usable) const
{
    for (int i = from + step; i >= 0 && i < size(); i += step)
        if (usable(visits_[i]))
            return i;
    return -1;
}

bool PageHistory::canGoBack(const Usable& usable) const { return findUsable(current_, -1, usable) >= 0; }

bool PageHistory::canGoForward(const Usable& usable) const { return findUsable(current_, +1, usable) >= 0; }

const PageVisit* PageHistory::back(const Usable& usable)
{
    const int found = findUsable(current_, -1, usable);
    if (found < 0)
        return nullptr;
    current_ = found;
    return &visits_[found];
}

const PageVisit* PageHistory::forward(const Usable& usable)
{
    const int found = findUsable(current_, +1, usable);
    if (found < 0)
        return nullptr;
    current_ = found;
    return &visits_[found];
}
