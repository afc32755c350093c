#include "toolkit/vek_menu.h"
#include <algorithm>
#include "toolkit/vek_clock.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_pad.h"
#include "toolkit/vek_signals.h"
#include "toolkit/vek_surface.h"

static const int BOX_PIECE_SIZE = 30;
static const Uint32 CHOICE_POLL_MS = 20;

static SDL_Color MakeColor(int r, int g, int b)
{
    SDL_Color c;
    c.r = static_cast<Uint8>(r);
    c.g = static_cast<Uint8>(g);
    c.b = static_cast<Uint8>(b);
    c.unused = 0;
    return c;
}

VekMenu::VekMenu() { Reset(); }

VekMenu::~VekMenu()
{
    headers.clear();
    options.clear();
}

void VekMenu::Reset()
{
    options.clear();
    headers.clear();
    offColor = MakeColor(115, 115, 115);
    onColor = MakeColor(255, 255, 255);
    headerColor = MakeColor(0, 0, 255);
    choice = 0;
}

void VekMenu::AddHeader(const char* text) { headers.push_back(text); }
void VekMenu::AddHeader(std::string& text) { headers.push_back(text); }
void VekMenu::AddOption(const char* text) { options.push_back(text); }
void VekMenu::AddOption(std::string& text) { options.push_back(text); }
void VekMenu::SetOnColor(int r, int g, int b) { onColor = MakeColor(r, g, b); }
void VekMenu::SetOffColor(int r, int g, int b) { offColor = MakeColor(r, g, b); }
void VekMenu::SetHeaderColor(int r, int g, int b) { headerColor = MakeColor(r, g, b); }

static int Width(SDL_Surface* line) { return line ? line->w : 0; }
static int Height(SDL_Surface* line) { return line ? line->h : 0; }

SDL_Surface* VekMenu::Draw(TTF_Font* headerFont, TTF_Font* optionFont)
{
    // A line that renders to nothing (an empty text, a failed render) is
    // left out as if it had no size.
    std::vector<SDL_Surface*> headerLines;
    std::vector<SDL_Surface*> optionLines;
    for (const std::string& text : headers)
        headerLines.push_back(headerFont ? TTF_RenderText_Solid(headerFont, text.c_str(), headerColor) : nullptr);
    for (size_t i = 0; i < options.size(); ++i)
    {
        SDL_Color colour = static_cast<int>(i) == choice ? onColor : offColor;
        optionLines.push_back(optionFont ? TTF_RenderText_Solid(optionFont, options[i].c_str(), colour) : nullptr);
    }

    int width = 0;
    int height = 0;
    for (SDL_Surface* line : headerLines)
    {
        width = std::max(width, Width(line));
        height += Height(line);
    }
    for (SDL_Surface* line : optionLines)
    {
        width = std::max(width, Width(line));
        height += Height(line);
    }

    SDL_Surface* result = VEK_NewSurface(width, height);
    if (result)
    {
        // Headers stack down from the top edge, options up from the bottom
        // edge; with one font per list the two meet exactly.
        int y = 0;
        for (SDL_Surface* line : headerLines)
        {
            if (!line)
                continue;
            VEK_BlitSurface(line, nullptr, result, (width - line->w) / 2, y);
            y += line->h;
        }
        y = height;
        for (auto it = optionLines.rbegin(); it != optionLines.rend(); ++it)
        {
            SDL_Surface* line = *it;
            if (!line)
                continue;
            y -= line->h;
            VEK_BlitSurface(line, nullptr, result, (width - line->w) / 2, y);
        }
    }

    for (SDL_Surface* line : headerLines)
        SDL_FreeSurface(line);
    for (SDL_Surface* line : optionLines)
        SDL_FreeSurface(line);
    return result;
}

void VekMenu::ShowCentred(SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont)
{
    if (!screen)
        return;
    SDL_Surface* text = Draw(headerFont, optionFont);
    if (text)
    {
        VEK_BlitSurface(text, nullptr, screen, (screen->w - text->w) / 2, (screen->h - text->h) / 2);
        SDL_FreeSurface(text);
    }
    VEK_Present(screen);
}

void VekMenu::ShowBoxed(SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont, SDL_Surface* boxImage)
{
    if (!screen)
        return;
    SDL_Surface* text = Draw(headerFont, optionFont);
    if (text)
    {
        // 10 pixels beyond the text left and right, 5 above and below.
        SDL_Surface* box = VEK_RenderBox(text->w + 20, text->h + 10, BOX_PIECE_SIZE, boxImage);
        if (box)
        {
            VEK_BlitSurface(box, nullptr, screen, (screen->w - box->w) / 2, (screen->h - box->h) / 2);
            SDL_FreeSurface(box);
        }
        VEK_BlitSurface(text, nullptr, screen, (screen->w - text->w) / 2, (screen->h - text->h) / 2);
        SDL_FreeSurface(text);
    }
    VEK_Present(screen);
}

int VekMenu::AcceptChoice(SDL_Event& event)
{
    if (!SDL_PollEvent(&event) || event.type != SDL_KEYDOWN)
        return -1;
    switch (event.key.keysym.sym)
    {
    case SDLK_UP:
        if (choice > 0)
            --choice;
        break;
    case SDLK_DOWN:
        if (choice < static_cast<int>(options.size()) - 1)
            ++choice;
        break;
    case SDLK_RETURN:
        return choice;
    default:
        break;
    }
    return -1;
}

int VekMenu::GetChoice(SDL_Event& event, SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont)
{
    int result;
    do
    {
        VEK_SetPadContext(VEK_PAD_MENU);
        result = AcceptChoice(event);
        ShowCentred(screen, headerFont, optionFont);
        VEK_Delay(CHOICE_POLL_MS);
    } while (result == -1 && !VEK_TerminationRequested());
    return result;
}
