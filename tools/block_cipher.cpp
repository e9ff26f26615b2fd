#include "tools/block_cipher.h"

#include <openssl/evp.h>

#include <memory>

namespace sim {

namespace {

struct ContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

std::optional<std::vector<std::uint8_t>> run(const SlotKey& key,
                                             std::span<const std::uint8_t> input, bool encrypt) {
    if (input.size() % kCipherBlock != 0) return std::nullopt;
    std::vector<std::uint8_t> output(input.size());
    if (input.empty()) return output;
    Context context(EVP_CIPHER_CTX_new());
    if (!context) return std::nullopt;
    if (EVP_CipherInit_ex(context.get(), EVP_aes_128_cbc(), nullptr, key.key.data(), key.iv.data(),
                          encrypt ? 1 : 0) != 1)
        return std::nullopt;
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    int written = 0;
    if (EVP_CipherUpdate(context.get(), output.data(), &written, input.data(),
                         static_cast<int>(input.size())) != 1)
        return std::nullopt;
    int tail = 0;
    if (EVP_CipherFinal_ex(context.get(), output.data() + written, &tail) != 1) return std::nullopt;
    if (static_cast<std::size_t>(written + tail) != input.size()) return std::nullopt;
    return output;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> encipher(const SlotKey& key,
                                                  std::span<const std::uint8_t> plain) {
    return run(key, plain, true);
}

std::optional<std::vector<std::uint8_t>> decipher(const SlotKey& key,
                                                  std::span<const std::uint8_t> stored) {
    return run(key, stored, false);
}

}  // namespace sim
