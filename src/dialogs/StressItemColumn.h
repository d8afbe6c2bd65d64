#pragma once

#include <array>
#include <string>

struct SeamHeader;

// The column of 18 stress-item radio buttons; slot k is item k of the file.
class StressItemColumn
{
public:
    static constexpr int slotCount = 18;

    // A stored item the file does not offer (a choice made for a file with
    // more items) falls back to item 0, so a hidden button is never checked.
    StressItemColumn(const SeamHeader &header, int selected);

    // Only the first itemCount slots are shown; a count outside 1..18 shows none.
    bool isShown(int slot) const;
    const std::string &caption(int slot) const;

    int selected() const { return m_selected; }
    // The user checked a shown button.
    void select(int slot);

private:
    int m_itemCount = 0;
    std::array<std::string, slotCount> m_captions;
    int m_selected = 0;
};
