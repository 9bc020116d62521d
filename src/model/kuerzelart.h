#pragma once

namespace orbato {

// The kinds of named records; also says for which list a sum or a text is made.
enum TKuerzelArt { leh = 0, kla = 1, kop = 2, fac = 3, rau = 4, uvt = 5, kur = 6 };

}  // namespace orbato
