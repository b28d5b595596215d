#pragma once

// The icon of a message box: a refusal or a result (stop), or a word found
// (question mark).
enum class Icone { Arret, Question };
