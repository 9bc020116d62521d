#pragma once

namespace orbato {

// The kinds of named records; also says for which list a sum or a text is made. The fixed
// underlying type lets a stored number outside the kinds be held without undefined behaviour.
enum TKuerzelArt : int { leh = 0, kla = 1, kop = 2, fac = 3, rau = 4, uvt = 5, kur = 6 };

}  // namespace orbato
