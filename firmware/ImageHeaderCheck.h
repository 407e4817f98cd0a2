#pragma once
// Whether a DFU image was built for the connected unit: at byte 16 the image
// carries "<file-form model name>#<model code in 4 upper-case hex digits>".
// Some units take their partner model's image; one unit, when its address
// lies in a batch range, is turned into the partner model by rewriting its
// identity keys.

#include <cstddef>
#include <cstdint>
#include <string>

class DfuLibraryAccess;

// Bytes the check reads; a shorter file is refused.
constexpr std::size_t kImageHeaderCheckBytes = 1648;
constexpr std::size_t kImageHeaderTextOffset = 16;

// The unit whose partner image also rewrites its identity, and what it becomes.
constexpr int kPartnerConversionTarget = 0x5060;
constexpr int kPartnerConversionModel = 0x5011;

// "<name>#%04X".
std::wstring ExpectedHeaderText(const std::wstring& name, int code);

// As many bytes from offset 16 as the expected text has characters, trimmed of
// white space, equal to the expected text (case counts).
bool HeaderCarries(const std::uint8_t* header, std::size_t size, const std::wstring& name, int code);

// The partner model whose images a unit also takes; 0 for none.
int PartnerModelCode(int deviceCode);

// The rules over the header bytes, without the partner conversion: the unit's
// own candidate, the "Vel8" rule, the partner candidates. deviceCode is the
// recognised unit's model code, targetCode the main window's.
bool HeaderAcceptedByRules(const std::uint8_t* header, std::size_t size, int deviceCode, int targetCode);

// The partner conversion over the DFU library (its transport held open by the
// caller for the call): the first family unit in the list whose address lies
// in the batch range is checked against the partner model's text and, when
// the image carries it, gets the partner identity written. True when accepted.
bool ConvertToPartnerIfCarried(DfuLibraryAccess& library, const std::uint8_t* header, std::size_t size);

// The whole check of the image file: 1 accepted, 0 refused. library is only
// used when targetCode is the conversion target (it may then not be null).
int CheckImageHeaderFile(const std::wstring& imagePath, int deviceCode, int targetCode, DfuLibraryAccess* library);
