// libFuzzer target for the share code parser: any bytes give a beast or a
// message, never a crash, and a beast that comes out encodes to a code that
// reads back as the same beast.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/builtin_data.h"
#include "ui/model/BeastCode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const BeastCode::Decoded decoded = BeastCode::Decode(text, CatalogueLines());
    if (!decoded.beast)
        return decoded.error.empty() ? (std::abort(), 0) : 0;
    const BeastCode::Decoded again = BeastCode::Decode(BeastCode::Encode(*decoded.beast), CatalogueLines());
    if (!again.beast || BeastCode::Encode(*again.beast) != BeastCode::Encode(*decoded.beast))
        std::abort();
    return 0;
}
