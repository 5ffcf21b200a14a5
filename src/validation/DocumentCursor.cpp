#include "validation/DocumentCursor.h"

#include "validation/DocumentSource.h"
#include "validation/XmlErrorCapture.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

int DocumentCursor::read(void* cursor, char* buffer, int length) {
    auto& self = *static_cast<DocumentCursor*>(cursor);
    const long got =
        self.m_source.read(self.m_offset, buffer, static_cast<std::size_t>(std::max(length, 0)));
    if (got < 0) {
        const int cause = errno;
        self.m_capture.recordError(
            {"The file cannot be read: " + std::generic_category().message(cause),
             self.m_source.path(), 0, true, 0});
        return -1;
    }
    self.m_offset += static_cast<std::uint64_t>(got);
    return static_cast<int>(got);
}
