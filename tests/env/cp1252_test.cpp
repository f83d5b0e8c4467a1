#include "env/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, RoundTripsTheLettersOfTheShop) {
    std::string text = "Bøy rør ÆØÅ æøå ° € – ü";
    std::string bytes = Utf8ToCp1252(text);
    EXPECT_EQ(bytes, "B\xF8y r\xF8r \xC6\xD8\xC5 \xE6\xF8\xE5 \xB0 \x80 \x96 \xFC");
    EXPECT_EQ(Cp1252ToUtf8(bytes), text);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("P-\xED\x95\x9C"), "P-?");  // a Korean letter
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");            // a broken sequence
}

TEST(Cp1252, LengthsAndCutsCountCharacters) {
    EXPECT_EQ(Utf8Length("rør"), 3u);
    EXPECT_EQ(Utf8Left("BØYEMASKIN", 2), "BØ");
    EXPECT_EQ(Utf8Upper("bruker ø"), "BRUKER Ø");
    EXPECT_EQ(Utf8Lower("C:\\JOBS\\LINE1.PCF"), "c:\\jobs\\line1.pcf");
}
