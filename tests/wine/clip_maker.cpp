// Writes a one-second video clip for the Wine tests: an uncompressed AVI of
// ten 64 x 48 frames at ten frames a second, each a little bluer.
//   clip_maker <file>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr uint32_t kWidth = 64, kHeight = 48, kFrames = 10, kRate = 10;
constexpr uint32_t kFrameBytes = kWidth * kHeight * 3;

void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
std::string Chunk(const char* id, const std::string& data) {
    std::string out(id, 4);
    Put32(out, static_cast<uint32_t>(data.size()));
    out += data;
    if (data.size() % 2) out += '\0';
    return out;
}
std::string List(const char* type, const std::string& data) {
    return Chunk("LIST", std::string(type, 4) + data);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: clip_maker <file>\n");
        return 2;
    }
    std::string avih;  // the main header
    for (uint32_t v : {1000000 / kRate, kFrameBytes * kRate, 0u, 0x10u /* has index */, kFrames,
                       0u, 1u, kFrameBytes, kWidth, kHeight, 0u, 0u, 0u, 0u})
        Put32(avih, v);
    std::string strh = "vids";  // the video stream's header
    Put32(strh, 0);             // no codec: plain bitmaps
    Put32(strh, 0);             // flags
    Put16(strh, 0);             // priority
    Put16(strh, 0);             // language
    for (uint32_t v : {0u, 1u, kRate, 0u, kFrames, kFrameBytes, 0xFFFFFFFFu, 0u}) Put32(strh, v);
    for (uint16_t v : {uint16_t{0}, uint16_t{0}, uint16_t{kWidth}, uint16_t{kHeight}})
        Put16(strh, v);
    std::string strf;  // BITMAPINFOHEADER
    for (uint32_t v : {40u, kWidth, kHeight}) Put32(strf, v);
    Put16(strf, 1);
    Put16(strf, 24);
    for (uint32_t v : {0u, kFrameBytes, 0u, 0u, 0u, 0u}) Put32(strf, v);

    std::string frames, index;
    uint32_t offset = 4;
    for (uint32_t f = 0; f < kFrames; ++f) {
        std::string pixels;
        for (uint32_t p = 0; p < kWidth * kHeight; ++p) {
            pixels += static_cast<char>(f * 25);  // blue
            pixels += static_cast<char>(100);     // green
            pixels += static_cast<char>(200);     // red
        }
        const std::string chunk = Chunk("00db", pixels);
        index += "00db";
        for (uint32_t v : {0x10u /* key frame */, offset, kFrameBytes}) Put32(index, v);
        frames += chunk;
        offset += static_cast<uint32_t>(chunk.size());
    }
    const std::string header =
        List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf)));
    const std::string body = "AVI " + header + List("movi", frames) + Chunk("idx1", index);
    std::string file = "RIFF";
    Put32(file, static_cast<uint32_t>(body.size()));
    file += body;
    FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size()) return 1;
    return std::fclose(out) == 0 ? 0 : 1;
}
