#include <gtest/gtest.h>

#include "app/Md5.h"
#include "app/UsageStats.h"

namespace ostrel {
namespace {

TEST(Md5, TheTestSuiteOfRfc1321) {
  const std::pair<const char*, const char*> suite[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& [input, digest] : suite) EXPECT_EQ(Md5::Hex(input), digest) << input;
}

TEST(Md5, BlockBoundaries) {
  // Lengths around the 56-byte padding limit and whole blocks.
  EXPECT_EQ(Md5::Hex(std::string(55, 'a')), "ef1772b6dff9a122358552954ad0df65");
  EXPECT_EQ(Md5::Hex(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
  EXPECT_EQ(Md5::Hex(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
}

TEST(UsageStats, ClientIdIsTheDigestOfTheDecimalTime) {
  EXPECT_EQ(ClientIdFor(1234567890), Md5::Hex("1234567890"));
  std::string id = GenerateClientId();
  EXPECT_EQ(id.size(), 32u);
  EXPECT_EQ(id.find_first_not_of("0123456789abcdef"), std::string::npos);
}

}  // namespace
}  // namespace ostrel
