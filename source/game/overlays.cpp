// The new-game menu and the rules dialog. Each open overlay owns a display context of its own
// over the frame buffer, so its cursor, margin and colours never disturb the game screen's; it
// draws over the last board picture without clearing it, and only the left button acts in it.
#include "game/overlays.h"

#include "ascii/ui.h"
#include "game/colors.h"
#include "game/game.h"

static Overlay* CreateOverlay(OutputState* output)
{
    Overlay* overlay = new Overlay{};
    overlay->ctx = ascii_create(output);
    return overlay;
}

static void DestroyOverlay(Overlay* overlay)
{
    ascii_destroy(&overlay->ctx);
    delete overlay;
}

static void RefreshOverlay(Overlay* overlay, const InputState* input)
{
    overlay->mouse = {input->mouse_x / ASCII_W, input->mouse_y / ASCII_H};
    overlay->mouse_clicked = input->left_clicked;
    overlay->clip_rows = true;
}

// Menu entries, placed relative to the centre of the screen.
struct MenuEntry
{
    int32_t dx, dy;
    const char* text;
    int32_t game_type;
};

static const MenuEntry MENU_ENTRIES[] = {
    {-12, -4, "Daily game      (6 mines)", GAME_DAILY},
    {-12, -2, "Normal game     (6 mines)", GAME_NORMAL},
    {-12, 0, "Tutorial game   (1 mine)", GAME_TUTORIAL},
    {-12, 1, "Easy game       (3 mines)", GAME_EASY},
    {-12, 2, "Hard game       (9 mines)", GAME_HARD},
};

void OpenNewGameMenu(OutputState* output)
{
    if (!g_game.m_newgame_menu)
        g_game.m_newgame_menu = CreateOverlay(output);
}

int32_t RunNewGameMenu(OutputState* output, InputState* input)
{
    Overlay* menu = g_game.m_newgame_menu;
    if (!menu)
        return MENU_NONE;
    RefreshOverlay(menu, input);

    AsciiCtx* ctx = menu->ctx;
    const int32_t c = ctx->size.x / 2;
    const int32_t m = ctx->size.y / 2;
    ascii_box(ctx, c - 17, m - 6, c + 17, m + 8, COLOR_BLACK, COLOR_LIGHT_GREY);

    int32_t result = MENU_PENDING;
    for (const MenuEntry& entry : MENU_ENTRIES)
    {
        ascii_set_cursor(ctx, c + entry.dx, m + entry.dy);
        if (ui_button(menu, entry.text, COLOR_BLACK, COLOR_LIGHT_GREY))
            result = entry.game_type;
    }
    ascii_set_cursor(ctx, c - 5, m + 6);
    const bool cancelled = ui_button(menu, "< CANCEL >", COLOR_BLACK, COLOR_LIGHT_GREY);
    output->present = 1;

    if (result != MENU_PENDING || cancelled)
    {
        DestroyOverlay(menu);
        g_game.m_newgame_menu = nullptr;
    }
    return result;
}

// Lines 9, 12, 13 and 16 end in a space, and the text ends in a newline, so the dialog measures
// an empty last line.
static const char RULES_TEXT[] =
    "Rules of Brambledeck Field\n"
    "--------------------------\n"
    "\n"
    "* Click on space to reveal it\n"
    "* Right click to mark a mine\n"
    "\n"
    "If you hit a mine, it's game over.\n"
    "\n"
    "If the card flashes, it means there's a mine next to it in one \n"
    "of 8 neighboring spaces.\n"
    "\n"
    "The number under the card tells you how many cards of the same \n"
    "suit are around that card. Max 8, min 0. \n"
    "There are 3 suits (hearts, diamonds, clubs) and 13 cards each.\n"
    "\n"
    "The orthogonal spaces next to a mine are always safe. \n"
    "I.e. Mines may NOT be next to each other horizontally nor vertically.\n";

void OpenRules(OutputState* output)
{
    if (g_game.m_overlays.size() == 0)
        g_game.m_overlays.push(CreateOverlay(output));
}

void Game::CloseRules()
{
    DestroyOverlay(m_overlays[0]);
    ASSERT(m_overlays.size() <= 1);
    m_overlays.clear();
}

bool RunRules(OutputState* output, InputState* input)
{
    if (g_game.m_overlays.size() == 0)
        return false;
    Overlay* rules = g_game.m_overlays[0];
    RefreshOverlay(rules, input);

    AsciiCtx* ctx = rules->ctx;
    const int32_t c = ctx->size.x / 2;
    const int32_t m = ctx->size.y / 2;
    const Vec2i text = ascii_measure(ctx, RULES_TEXT, RULES_TEXT + sizeof(RULES_TEXT) - 1);
    const int32_t left = c - (text.x + 4) / 2;
    const int32_t top = m - (text.y + 2) / 2;
    const int32_t bottom = top + text.y + 4;
    ascii_box(ctx, left, top, left + text.x + 4, bottom, COLOR_BLACK, COLOR_LIGHT_GREY);

    ascii_set_cursor(ctx, c - text.x / 2, m - text.y / 2);
    ctx->left_margin = c - text.x / 2;
    ascii_printf(ctx, "%s", RULES_TEXT);

    ascii_set_cursor(ctx, c - 3, bottom - 2);
    const bool confirmed = ui_button(rules, "< OK >", COLOR_BLACK, COLOR_LIGHT_GREY);
    output->present = 1;

    if (confirmed)
        g_game.CloseRules();
    return true;
}
