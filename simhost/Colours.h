// The stand-in's colours of the document: custom colours (grey, three- and four-channel) and the swatch list
// with its named swatch groups and swatches.
#pragma once

#include <string>
#include <vector>

#include "host/CustomColorSuite.h"
#include "host/SwatchGroupSuite.h"
#include "host/SwatchListSuite.h"
#include "host/Types.h"

namespace sim {

struct CustomColourRecord {
    AICustomColorHandle handle = nullptr;
    std::string name;
    AICustomColor colour;
};

struct SwatchRecord {
    AISwatchRef handle = nullptr;
    std::string name;
    AIColor colour;  // a new swatch is grey 1.0 (black)
    AISwatchGroupRef group = nullptr;
};

struct SwatchGroupRecord {
    AISwatchGroupRef handle = nullptr;
    std::string name;                 // the general group, first in the list, has no name
    std::vector<AISwatchRef> swatches;  // in order
};

// Custom colours are unique by non-empty name. The swatch list of the document holds the general group (index
// 0, unnamed) and the named groups in the order they were made; its swatches are those of all its groups, group
// by group. Every handle is new and never reused; removed ones answer kStaleHandleErr.
class Colours {
public:
    // No custom colours; a new swatch list holding only the empty general group.
    void Reset();

    // Custom colours.
    ASErr NewCustomColour(const AICustomColor* colour, const char* name, AICustomColorHandle* handle);
    ASErr DeleteCustomColour(AICustomColorHandle handle);
    ASErr SetCustomColour(AICustomColorHandle handle, const AICustomColor* colour);
    ASErr RenameCustomColour(AICustomColorHandle handle, const char* name);
    const CustomColourRecord* FindCustomColour(AICustomColorHandle handle) const;  // null when unknown
    const CustomColourRecord* FindCustomColourByName(const std::string& name) const;
    const std::vector<CustomColourRecord>& CustomColours() const { return customColours_; }

    // The swatch list.
    AISwatchListRef SwatchList() const { return list_; }
    bool IsList(AISwatchListRef list) const { return list != nullptr && list == list_; }
    const std::vector<SwatchGroupRecord>& Groups() const { return groups_; }
    std::vector<AISwatchRef> Swatches() const;  // every swatch, in list order
    SwatchGroupRecord* FindGroup(AISwatchGroupRef group);  // null when unknown
    const SwatchGroupRecord* FindGroupByName(const std::string& name) const;
    SwatchRecord* FindSwatch(AISwatchRef swatch);  // null when unknown
    const SwatchRecord* FindSwatch(AISwatchRef swatch) const;
    const SwatchRecord* FindSwatchByName(const std::string& name) const;  // first in list order
    AISwatchGroupRef NewGroup(const std::string& name);
    // A new swatch in `group` at `index` (-1 or the group's size appends); null for an unknown group or index.
    AISwatchRef InsertSwatch(AISwatchGroupRef group, int32_t index, const std::string& name = {});
    ASErr RemoveSwatch(AISwatchRef swatch);
    ASErr RemoveGroup(AISwatchGroupRef group, bool deleteSwatches);
    // Checks a colour a swatch may show: a known kind with channels in 0..1, a custom colour the host knows.
    ASErr CheckColour(const AIColor& colour) const;

private:
    CustomColourRecord* MutableCustomColour(AICustomColorHandle handle);
    std::vector<CustomColourRecord> customColours_;
    AISwatchListRef list_ = nullptr;
    std::vector<SwatchGroupRecord> groups_;
    std::vector<SwatchRecord> swatches_;
};

Colours& TheColours();

// The suite tables that ColourInstall.cpp registers.
const AICustomColorSuite& CustomColorSuiteTable();
const AISwatchListSuite& SwatchListSuiteTable();
const AISwatchGroupSuite& SwatchGroupSuiteTable();

}  // namespace sim
