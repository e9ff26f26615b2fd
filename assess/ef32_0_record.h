#pragma once

#include "firmware/fw_identity.h"

// What an EF32_0 identity record says of the memory besides its version.

// At least 63 of the 64 bytes read 0xFF: the memory is erased.
bool IsErasedRecord(const FwIdentity& record);
// The even bytes hold the protected loader's signature; the odd bytes are not compared.
bool HasProtectSignature(const FwIdentity& record);
// Tag 7.8.9.10.
bool HasEF32_0Tag(const FwIdentity& record);
