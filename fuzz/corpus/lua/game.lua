-- The game's pictures, drawn by tools/mkassets into the run directory.
-- Green (0, 255, 0) in them is the transparent colour.
local textures = {
    {"mur.png", "mur_tex"},
    {"poulet1_1.png", "poulet1_1_tex"},
    {"poulet1_2.png", "poulet1_2_tex"},
    {"poulet2_1.png", "poulet2_1_tex"},
    {"poulet2_2.png", "poulet2_2_tex"},
    {"grain.png", "grain_tex"},
    {"oeuf.png", "oeuf_tex"},
    {"tapis_debut.png", "tapis_debut_tex"},
    {"tapis_troncon.png", "tapis_troncon_tex"},
    {"tapis_traits.png", "tapis_traits_tex"},
    {"scie.png", "scie_tex"},
    {"taser_inactif.png", "taser_inactif_tex"},
    {"taser_charge.png", "taser_charge_tex"},
    {"taser_eclaire_1.png", "taser_eclaire_1_tex"},
    {"taser_eclaire_2.png", "taser_eclaire_2_tex"},
    {"barre.png", "barre_tex"},
    {"sang.png", "sang_tex"},
    {"flammes.png", "flammes_tex"},
    {"fin.png", "fin_tex"},
    {"progressbar.png", "progressbar_tex"},
}

for _, t in ipairs(textures) do
    loadtexture(t[1], t[2])
end
