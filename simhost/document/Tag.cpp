// The AI Tag Suite over the stand-in document.
#include <cstring>
#include <iterator>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

// The host's own text for each tag type.
constexpr const char* kTagTypes[] = {kTagTypeString, kTagTypeInteger, kTagTypeReal, kTagTypeBoolean};

const char* KnownType(const char* type) {
    for (const char* known : kTagTypes) {
        if (type != nullptr && std::strcmp(type, known) == 0) {
            return known;
        }
    }
    return nullptr;
}

// The art behind a handle and a usable tag name.
ASErr FindNamed(AIArtHandle art, const char* name, const void* out, ArtNode** node) {
    if (const ASErr error = doc::FindArt(art, out, node); error != kNoErr) {
        return error;
    }
    return name == nullptr || *name == '\0' ? kBadParameterErr : kNoErr;
}

// The tag `name` of the art, of `type` when one is given.
ASErr FindTag(AIArtHandle art, const char* name, const char* type, const void* out, const TagValue** tag) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindNamed(art, name, out, &node); error != kNoErr) {
        return error;
    }
    const auto found = node->tags.find(name);
    if (found == node->tags.end()) {
        return kNameNotFoundErr;
    }
    if (type != nullptr && found->second.type != type) {
        return kWrongTypeErr;
    }
    *tag = &found->second;
    return kNoErr;
}

ASErr SetTag(AIArtHandle art, const char* name, const char* type, const void* value) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindNamed(art, name, value, &node); error != kNoErr) {
        return error;
    }
    const char* known = KnownType(type);
    if (known == nullptr) {
        return kBadParameterErr;
    }
    TagValue tag;
    tag.type = known;
    if (tag.type == kTagTypeString) {
        tag.text = static_cast<const char*>(value);
    } else if (tag.type == kTagTypeInteger) {
        std::memcpy(&tag.integer, value, sizeof tag.integer);
    } else if (tag.type == kTagTypeReal) {
        std::memcpy(&tag.real, value, sizeof tag.real);
    } else {
        AIBoolean flag = 0;
        std::memcpy(&flag, value, sizeof flag);
        tag.boolean = flag != 0;
    }
    node->tags[name] = tag;
    return kNoErr;
}

ASErr GetTag(AIArtHandle art, const char* name, const char* type, void* value) {
    const char* known = KnownType(type);
    if (known == nullptr || std::strcmp(known, kTagTypeString) == 0) {
        return kBadParameterErr;
    }
    const TagValue* tag = nullptr;
    if (const ASErr error = FindTag(art, name, known, value, &tag); error != kNoErr) {
        return error;
    }
    if (tag->type == kTagTypeInteger) {
        std::memcpy(value, &tag->integer, sizeof tag->integer);
    } else if (tag->type == kTagTypeReal) {
        std::memcpy(value, &tag->real, sizeof tag->real);
    } else {
        const AIBoolean flag = tag->boolean ? 1 : 0;
        std::memcpy(value, &flag, sizeof flag);
    }
    return kNoErr;
}

ASErr GetStringTag(AIArtHandle art, const char* name, char* buffer, size_t size) {
    const TagValue* tag = nullptr;
    if (const ASErr error = FindTag(art, name, kTagTypeString, buffer, &tag); error != kNoErr) {
        return error;
    }
    return doc::CopyOut(tag->text, buffer, size);
}

ASErr GetStringTagLength(AIArtHandle art, const char* name, size_t* length) {
    const TagValue* tag = nullptr;
    if (const ASErr error = FindTag(art, name, kTagTypeString, length, &tag); error != kNoErr) {
        return error;
    }
    *length = tag->text.size();
    return kNoErr;
}

ASErr GetTagType(AIArtHandle art, const char* name, const char** type) {
    const TagValue* tag = nullptr;
    if (const ASErr error = FindTag(art, name, nullptr, type, &tag); error != kNoErr) {
        return error;
    }
    *type = KnownType(tag->type.c_str());
    return kNoErr;
}

ASErr HasTag(AIArtHandle art, const char* name, AIBoolean* has) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindNamed(art, name, has, &node); error != kNoErr) {
        return error;
    }
    *has = node->tags.count(name) != 0 ? 1 : 0;
    return kNoErr;
}

ASErr DeleteTag(AIArtHandle art, const char* name) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindNamed(art, name, name, &node); error != kNoErr) {
        return error;
    }
    return node->tags.erase(name) != 0 ? kNoErr : kNameNotFoundErr;
}

ASErr CountTags(AIArtHandle art, int32_t* count) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, count, &node); error != kNoErr) {
        return error;
    }
    *count = static_cast<int32_t>(node->tags.size());
    return kNoErr;
}

ASErr GetNthTagName(AIArtHandle art, int32_t index, char* buffer, size_t size) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, buffer, &node); error != kNoErr) {
        return error;
    }
    if (index < 0 || static_cast<size_t>(index) >= node->tags.size()) {
        return kIndexOutOfRangeErr;
    }
    return doc::CopyOut(std::next(node->tags.begin(), index)->first, buffer, size);
}

} // namespace

const AITagSuite& TagSuiteTable() {
    static const AITagSuite table{
        .SetTag = SetTag,
        .GetTag = GetTag,
        .GetStringTag = GetStringTag,
        .GetStringTagLength = GetStringTagLength,
        .GetTagType = GetTagType,
        .HasTag = HasTag,
        .DeleteTag = DeleteTag,
        .CountTags = CountTags,
        .GetNthTagName = GetNthTagName,
    };
    return table;
}

} // namespace sim
