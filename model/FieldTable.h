#pragma once

#include <span>

// Names, places and types of the stored fields of a record body, for tools
// that show or compare records field by field.
struct FieldInfo {
    enum class Type { I32, U32, U8, F64, FontName };
    const char* name;
    int offset;
    Type type;
    int count; // more than 1 for the reserved arrays
};

std::span<const FieldInfo> itemFields();
std::span<const FieldInfo> headerFields();
