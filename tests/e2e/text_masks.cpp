// Small helper for the end-to-end tests: renders lines of text the way the
// game draws its display (SDL_ttf, solid) and writes, for each, where its
// pixels are, so that a screenshot can be read without recognising letters.
// Usage: text_masks FONT SIZE OUTDIR < lines
// For line n (from 0) it writes OUTDIR/n.mask (one byte per pixel, 255 where
// the text is, 0 elsewhere) and prints "n WIDTH HEIGHT".
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

static bool WriteMask(SDL_Surface* text, const std::string& path)
{
    // A solid rendering is 8-bit: index 0 is the background, the rest text.
    std::vector<unsigned char> mask(static_cast<size_t>(text->w) * text->h);
    SDL_LockSurface(text);
    const Uint8* pixels = static_cast<const Uint8*>(text->pixels);
    for (int y = 0; y < text->h; ++y)
        for (int x = 0; x < text->w; ++x)
            mask[static_cast<size_t>(y) * text->w + x] = pixels[y * text->pitch + x] ? 255 : 0;
    SDL_UnlockSurface(text);
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(mask.data(), 1, mask.size(), out) == mask.size();
    return std::fclose(out) == 0 && written;
}

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: text_masks FONT SIZE OUTDIR < lines\n");
        return 2;
    }
    if (TTF_Init() == -1)
        return 1;
    TTF_Font* font = TTF_OpenFont(argv[1], std::atoi(argv[2]));
    if (!font)
    {
        std::fprintf(stderr, "text_masks: cannot open %s\n", argv[1]);
        return 1;
    }
    SDL_Color white = {255, 255, 255, 0};
    std::string line;
    int status = 0;
    for (int n = 0; std::getline(std::cin, line); ++n)
    {
        SDL_Surface* text = TTF_RenderText_Solid(font, line.c_str(), white);
        if (!text || text->format->BytesPerPixel != 1 ||
            !WriteMask(text, std::string(argv[3]) + "/" + std::to_string(n) + ".mask"))
        {
            std::fprintf(stderr, "text_masks: cannot render '%s'\n", line.c_str());
            status = 1;
        }
        else
            std::printf("%d %d %d\n", n, text->w, text->h);
        if (text)
            SDL_FreeSurface(text);
    }
    TTF_CloseFont(font);
    TTF_Quit();
    return status;
}
