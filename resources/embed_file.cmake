# Writes a C++ source that holds the bytes of a file and a function answering them.
#   cmake -DINPUT=file -DOUTPUT=source.cpp -DHEADER=dir/header.h -DNAMESPACE=ns -DFUNCTION=name
#         -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes to a line.
string(REPEAT "0x..," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
"// Generated at build time from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace ${NAMESPACE} {
namespace {
// The file's ${byte_count} bytes and a terminating zero.
constexpr unsigned char kBytes[] = {
    ${bytes}0x00};
}  // namespace

std::string_view ${FUNCTION}() {
    return std::string_view(reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1);
}

}  // namespace ${NAMESPACE}
")
# Leaves the source untouched when nothing changed, so that nothing is rebuilt.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
