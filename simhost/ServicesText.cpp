#include <cstring>

#include "simhost/ServicesInternal.h"

namespace sim {

void CopyBounded(const char* text, char* buffer, size_t size) {
    if (buffer == nullptr || size == 0)
        return;
    const size_t length = text == nullptr ? 0 : std::strlen(text);
    size_t count = length < size - 1 ? length : size - 1;
    // Back off over continuation bytes so that a cut never splits a UTF-8 character.
    if (count < length) {
        while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80)
            --count;
    }
    if (count > 0)
        std::memcpy(buffer, text, count);
    buffer[count] = '\0';
}

} // namespace sim
