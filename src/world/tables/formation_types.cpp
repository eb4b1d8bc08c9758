// The formation types: templates of every division, brigade and air regiment that can be raised.
// Rows 1..200; a row's number is the formation's `FormationType`.
#include "world/tables/table_rows.hpp"
#include "world/tables/tables.hpp"

namespace gm {
namespace {

using namespace table_rows;

// Kinds: 4 armour and motorised, 5 infantry, 6 airborne (with border guard, guerrilla and jaeger),
// 7 cavalry, 8 mountain, 9 artillery, anti-tank and mortar, 10 air defence; 21 fighter,
// 22 tactical and assault bomber, 23 bomber, 24 level bomber.
// Counts follow each kind's wartime table of organisation in the year its name gives.
// clang-format off
// Army types: nominal men, equipment by category, cars and horses, and the first month of raising.
constexpr ArmyTypeRow kArmyTypes[] = {
//   row  name                                nat  kind     men  tanks  SP  ACs  field  how  AT   AA  mort  cars  horses  mon  year
    {  1, "Tank division 41",                   5,    4, {10942,   375,  0,  95,     4,  24,  0,  12,   45, 1444,      0,   3, 1941}},
    {  2, "Tank division 42",                   5,    4, { 7800,   168,  0,  20,    12,   0, 12,  20,   52,  870,      0,   4, 1942}},
    {  3, "Tank brigade 41",                    5,    4, { 1940,    67,  0,  10,     0,   0,  4,   4,   12,  150,      0,   8, 1941}},
    {  4, "Tank brigade 42",                    5,    4, { 1100,    53,  0,   6,     0,   0,  4,   4,    6,  100,      0,   7, 1942}},
    {  5, "Tank brigade 43",                    5,    4, { 1350,    65,  0,   3,     0,   0,  4,   0,    6,  100,      0,  11, 1943}},
    {  6, "Tank brigade 44",                    5,    4, { 1300,    65,  0,   3,     0,   0,  4,   0,    6,  110,      0,   3, 1944}},
    {  7, "Rifle division 41 early",            5,    5, {14483,    16,  0,  13,    34,  44, 54,  12,  150,  673,   3039,   4, 1941}},
    {  8, "Rifle division 41 later",            5,    5, {11000,     0,  0,   0,    28,   8, 18,   6,  150,  250,   2400,   8, 1941}},
    {  9, "Rifle division 44",                  5,    5, {11700,     0, 12,   0,    44,  20, 54,  12,  136,  350,   1200,  12, 1944}},
    { 10, "NKVD Rifle division 41",             5,    5, {10000,     0,  0,  10,    16,   0, 12,   4,   90,  200,   1000,   7, 1941}},
    { 11, "Mountain-rifle division 41",         5,    8, { 8800,     0,  0,   0,    40,   8,  8,   6,  110,  100,   4000,   4, 1941}},
    { 12, "Motorized division 40",              5,    4, {11650,   275,  0,  51,    16,  16, 30,  12,   98, 1587,      0,   7, 1940}},
    { 13, "Motorized-rifle division 41",        5,    4, {10000,    90,  0,  30,    16,  12, 24,  12,   90, 1200,      0,   7, 1941}},
    { 14, "NKVD Motorized-rifle division 41",   5,    4, { 9000,    30,  0,  30,    16,   0, 12,   6,   60,  800,      0,   7, 1941}},
    { 15, "Cavalry division 40",                5,    7, { 9240,    64,  0,  18,    24,   8, 16,  20,   64,    0,   7625,  11, 1940}},
    { 16, "Mountain-cavalry division 41",       5,    8, { 6550,     0,  0,   0,    16,   0,  8,   6,   40,   80,   6500,   4, 1941}},
    { 17, "Light cavalry division 41",          5,    7, { 3450,     0,  0,   0,    12,   0,  0,   0,   12,   20,   3150,   7, 1941}},
    { 18, "Airborne division 42",               5,    6, {10000,     0,  0,   0,    36,  12, 48,   0,  168,  200,   1500,  12, 1942}},
    { 19, "Division public militia 41",         5,    4, {10000,     0,  0,   5,    12,   4, 10,   0,   40,  100,    500,   7, 1941}},
    { 20, "Rifle brigade 40",                   5,    5, { 4350,     0,  0,   0,    12,   0, 12,   0,   56,  100,    500,  10, 1940}},
    { 21, "NKVD Rifle brigade 40",              5,    5, { 4000,     0,  0,   0,     8,   0,  8,   0,   40,   80,    300,  10, 1940}},
    { 22, "Mountain-rifle brigade 41",          5,    8, { 4000,     0,  0,   0,    12,   0,  6,   0,   40,   30,   1500,  10, 1941}},
    { 23, "Motorized-rifle brigade 41",         5,    4, { 3200,     0,  0,   0,    12,   0, 12,   0,   30,  400,      0,   9, 1941}},
    { 24, "Mechanized brigade 42",              5,    4, { 3560,    39,  0,   0,    12,   0, 12,  12,   36,  500,      0,   9, 1942}},
    { 25, "Airborne brigade 41",                5,    6, { 3000,     0,  0,   0,     4,   0, 12,   0,   24,   20,      0,   4, 1941}},
    { 26, "Marine brigade 41",                  5,    5, { 5000,     0,  0,   0,     8,   0,  8,   4,   40,  100,    200,   8, 1941}},
    { 27, "Sea-rifle brigade 42",               5,    5, { 4330,     0,  0,   0,     8,   0, 12,   0,   48,  100,    200,   1, 1942}},
    { 28, "Motorized division 43",              5,    4, {13000,   183, 21,   8,    36,   0, 36,  20,  148, 1800,      0,   1, 1943}},
    { 29, "NKVD Motorized-rifle brigade 41",    5,    4, { 3000,    10,  0,  20,     6,   0,  8,   4,   24,  350,      0,   7, 1941}},
    { 30, "NKVD Border Guard brigade 41",       5,    6, { 3000,     0,  0,  10,     4,   0,  6,   0,   24,   80,    300,   6, 1941}},
    { 31, "Guerrilla brigade 41",               5,    6, { 1500,     0,  0,   0,     0,   0,  2,   0,   12,   10,    200,   8, 1941}},
    { 32, "Brigade public militia 42",          5,    5, { 3000,     0,  0,   0,     4,   0,  4,   0,   20,   30,    100,   1, 1942}},
    { 33, "Artillery division 42",              5,    9, { 6000,     0,  0,   0,    96,  72,  0,   0,    0, 1000,      0,   6, 1942}},
    { 34, "Artillery division 43",              5,    9, {10800,     0,  0,   0,    72, 148,  0,   0,  108, 1100,      0,   4, 1943}},
    { 35, "Cannon artillery division 43",       5,    9, { 6000,     0,  0,   0,    72,  36,  0,   0,    0, 1100,      0,   6, 1943}},
    { 36, "Mortar division 42",                 5,    9, { 3300,     0,  0,   0,     0,   0,  0,   0,   96,  500,      0,  12, 1942}},
    { 37, "Mortar division 43",                 5,    9, { 4000,     0,  0,   0,     0,   0,  0,   0,  248,  600,      0,   4, 1943}},
    { 38, "Mortar division 44",                 5,    9, { 3800,     0,  0,   0,     0,   0,  0,   0,  288,  900,      0,   6, 1944}},
    { 39, "Anti-tank Brigade 41",               5,    9, { 5300,     0,  0,   0,    64,   0, 24,  40,    0,  700,      0,   5, 1941}},
    { 40, "Anti-tank Brigade 43",               5,    9, { 1850,     0,  0,   0,    60,   0, 12,   0,    0,  200,      0,   4, 1943}},
    { 41, "Cannon artillery brigade 41",        5,    9, { 2600,     0,  0,   0,    36,   0,  0,   0,    0,  250,      0,   8, 1941}},
    { 42, "Howitzer artillery brigade 41",      5,    9, { 2800,     0,  0,   0,     0,  36,  0,   0,    0,  250,      0,   8, 1941}},
    { 43, "Corps artillery brigade 40",         5,    9, { 2000,     0,  0,   0,    24,  12,  0,   0,    0,  200,    500,   6, 1940}},
    { 44, "Mortar brigade 41",                  5,    9, { 2000,     0,  0,   0,     0,   0,  0,   0,   72,  200,      0,  11, 1941}},
    { 45, "Assault artillery brigade 42",       5,    9, { 1500,     0, 60,   0,     0,   0,  0,   4,    0,  200,      0,  12, 1942}},
    { 46, "Air defense division 41",            5,   10, {12000,     0,  0,   0,     0,   0,  0, 144,    0,  500,      0,   1, 1941}},
    { 47, "Air defense division 42",            5,   10, { 2000,     0,  0,   0,     0,   0,  0,  64,    0,  150,      0,  10, 1942}},
    { 48, "Air defense division 44",            5,   10, { 2300,     0,  0,   0,     0,   0,  0,  64,    0,  250,      0,   3, 1944}},
    { 49, "Air defense brigade 41",             5,   10, { 2500,     0,  0,   0,     0,   0,  0,  48,    0,  100,      0,   6, 1941}},
    { 50, "Cavalry division 39",                8,    7, { 3500,     0,  0,  18,     8,   0,  4,   0,    8,   40,   3500,   6, 1939}},
    { 61, "Tank division 40",                   2,    4, {15600,   300,  6, 185,    28,  32, 54,  12,   78, 3000,      0,   8, 1940}},
    { 62, "Tank division 43",                   2,    4, {14000,   160, 24, 200,    12,  36, 40,  24,   60, 2900,      0,   4, 1943}},
    { 63, "Tank division 45",                   2,    4, {11400,    90, 20, 120,    10,  24, 20,  20,   50, 2000,      0,   3, 1945}},
    { 64, "SS Tank division 43",                2,    4, {19000,   200, 40, 250,    12,  42, 40,  30,   80, 3300,      0,  10, 1943}},
    { 65, "Tank brigade 40",                    2,    4, { 3500,   150,  0,  10,     0,   0,  0,   0,    0,  600,      0,   5, 1940}},
    { 66, "SS Tank brigade 40",                 2,    4, { 3000,   100, 10,  40,     0,   0,  6,   6,   12,  500,      0,  12, 1940}},
    { 67, "Tank division 42",                   1,    4, {10000,   160,  0,  14,     0,  24, 18,  18,   30, 1500,      0,   3, 1942}},
    { 68, "Tank division 39",                   3,    4, { 7400,   184,  0,   0,    24,   0, 16,   8,   30,  800,      0,   4, 1939}},
    { 69, "Tank division 42",                   3,    4, { 9000,   189, 24,  40,    24,  12, 40,  24,   30, 1500,      0,   3, 1942}},
    { 70, "Tank division 41",                   4,    4, {11000,   160,  0,   0,    12,  12, 18,  12,   36, 1500,      0,   3, 1941}},
    { 71, "Tank division 44",                   4,    4, {12000,    70, 20,   0,    12,  12, 30,  12,   40, 1800,      0,   3, 1944}},
    { 72, "Tank brigade 41",                    6,    4, { 2000,    60,  0,   6,     0,   0,  6,   4,   12,  300,      0,   8, 1941}},
    { 73, "Tank division 43",                   6,    4, {10000,    90, 30,  10,    12,  24, 24,  12,   40, 1200,      0,   3, 1943}},
    { 74, "Infantry division 39",               2,    5, {16859,     0,  0,   3,    26,  48, 75,  12,  138,  930,   5375,   7, 1939}},
    { 75, "Infantry division 43",               2,    5, {12700,     0, 10,   3,    24,  48, 30,  12,  100,  600,   4600,  10, 1943}},
    { 76, "Infantry division 45",               2,    5, {11900,     0, 10,   0,    18,  36, 20,  12,   80,  500,   4000,   3, 1945}},
    { 77, "SS Infantry division 39",            2,    5, {16000,     0,  0,  10,    26,  48, 75,  12,  138, 1500,   2000,  10, 1939}},
    { 78, "SS Infantry division 44",            2,    5, {14000,     0,  0,   0,    18,  36, 30,  12,  100,  800,   3000,   6, 1944}},
    { 79, "Light infantry division 40",         2,    5, {13000,     0,  0,   0,    24,  36, 48,  12,  100,  600,   4000,  12, 1940}},
    { 80, "Mountain-infantry division 40",      2,    8, {14000,     0,  0,   0,    24,  24, 40,  12,   80,  700,   5000,   4, 1940}},
    { 81, "Cavalry division 40",                2,    7, {11000,     0,  0,  24,    12,  12, 24,   0,   50,  900,   8000,  10, 1940}},
    { 82, "SS Cavalry division 41",             2,    7, {10000,     0,  0,  10,    12,  12, 30,  12,   60,  600,   6000,  12, 1941}},
    { 83, "Motorized division 39",              2,    4, {16400,     0,  0,  18,    26,  48, 72,  12,  138, 2800,      0,   9, 1939}},
    { 84, "Motorized division 42",              2,    4, {14000,    40,  0,  40,    26,  36, 45,  12,  100, 2800,      0,   5, 1942}},
    { 85, "Panzergrenadier division 43",        2,    4, {14000,     0, 42,  70,    24,  36, 40,  20,   90, 2700,      0,   6, 1943}},
    { 86, "SS Motorized division 40",           2,    4, {19000,     0,  0,  30,    26,  48, 72,  12,  138, 3000,      0,  12, 1940}},
    { 87, "SS Panzergrenadier division 43",     2,    4, {18000,    40, 40, 100,    24,  42, 40,  24,  100, 3000,      0,  10, 1943}},
    { 88, "SS Panzergrenadier division 45",     2,    4, {15000,    20, 30,  60,    18,  36, 30,  20,   80, 2500,      0,   2, 1945}},
    { 89, "Airborne division 40",               2,    6, { 9000,     0,  0,   0,    12,   0, 48,  12,   96,  200,      0,   5, 1940}},
    { 90, "Airborne division 43",               2,    6, {16000,     0,  0,   0,    24,  12, 36,  18,  120,  400,      0,   2, 1943}},
    { 91, "Marine division 44",                 2,    5, {10000,     0,  0,   0,    12,  24, 20,  20,   60,  300,   1000,  12, 1944}},
    { 92, "Security division 41",               2,    5, { 8500,     0,  0,  10,     6,  12, 12,   0,   36,  400,   1500,   3, 1941}},
    { 93, "Motorized brigade 40",               2,    4, { 5000,     0,  0,  30,     8,  12, 24,   6,   36,  900,      0,   5, 1940}},
    { 94, "SS Motorized brigade 40",            2,    4, { 6000,     0,  0,  20,    12,  12, 24,  12,   50, 1100,      0,   5, 1940}},
    { 95, "Airborne brigade 41",                2,    6, { 4000,     0,  0,   0,     6,   0, 18,   6,   36,   60,      0,   5, 1941}},
    { 96, "Infantry brigade 41",                2,    5, { 5000,     0,  0,   0,     6,  12, 12,   0,   30,  200,   1200,   6, 1941}},
    { 97, "SS Infantry brigade 41",             2,    5, { 5000,     0,  0,   4,     6,   6, 12,   6,   30,  500,    300,   5, 1941}},
    { 98, "SS Cavalry brigade 41",              2,    7, { 4000,     0,  0,   4,     4,   0,  8,   6,   16,  200,   3000,   8, 1941}},
    { 99, "SS Security brigade 41",             2,    5, { 3000,     0,  0,   0,     2,   0,  6,   0,   18,  150,    500,   7, 1941}},
    {100, "Volksgrenadier division 44",         2,    5, {10000,     0, 14,   0,    18,  36, 30,   9,   60,  400,   3000,   9, 1944}},
    {101, "Infantry division 42",               1,    5, {10000,     0,  0,   0,     0,  24, 12,   6,   60,  300,   3500,   3, 1942}},
    {102, "Cavalry division 42",                1,    7, {12000,    20,  0,  10,     0,  16, 16,   6,   40,  600,   6000,  10, 1942}},
    {103, "Infantry brigade 41",                1,    5, { 8000,     0,  0,   0,     0,  16, 12,   3,   40,  200,   3000,   3, 1941}},
    {104, "Mountain-Infantry brigade 41",       1,    8, { 8000,     0,  0,   0,     0,  12,  8,   0,   36,  100,   3000,   3, 1941}},
    {105, "Motorized brigade 41",               1,    4, { 6000,    54,  0,  20,     0,  12, 12,   6,   24, 1000,      0,   3, 1941}},
    {106, "Border Guard brigade 41",            1,    6, { 4000,     0,  0,   0,     0,   0,  6,   0,   24,   50,    800,   3, 1941}},
    {107, "Cavalry brigade 41",                 1,    7, { 4000,    18,  0,  12,     0,   8,  8,   3,   12,  300,   3000,   3, 1941}},
    {108, "Airborne brigade 41",                1,    6, { 1500,     0,  0,   0,     0,   0,  4,   0,   12,   10,      0,   4, 1941}},
    {109, "Infantry division 39",               3,    5, {12980,     0,  0,   0,    24,  12,  8,   8,  126,  150,   3500,   4, 1939}},
    {110, "Infantry division 41",               3,    5, {11000,     0,  0,   0,    24,  12, 24,   8,  108,  200,   3000,   4, 1941}},
    {111, "Mountain-Infantry division 39",      3,    8, {17000,     0,  0,   0,     0,  36, 12,   8,  100,  200,   5000,   4, 1939}},
    {112, "Motorized division 40",              3,    4, {10500,     0,  0,   0,    24,  12, 24,  16,   80, 1200,      0,   6, 1940}},
    {113, "Cavalry division 39",                3,    7, { 7800,    61,  0,   0,    24,   0,  8,   8,   50,  500,   3500,   4, 1939}},
    {114, "Airborne division 43",               3,    6, { 7000,     0,  0,   0,     0,   0, 48,   0,   66,   50,      0,   3, 1943}},
    {115, "Motorized brigade 41",               3,    4, { 4000,    20,  0,  20,     8,   0, 12,   8,   24,  700,      0,   6, 1941}},
    {116, "Cavalry brigade 41",                 3,    7, { 2500,     0,  0,   0,     8,   0,  4,   0,    8,   50,   2500,   6, 1941}},
    {117, "Infantry division 41",               4,    5, {17500,     0,  0,   0,    24,  12, 12,   6,   96,  150,   5000,   3, 1941}},
    {118, "Cavalry division 41",                4,    7, { 6500,     0,  0,   0,    16,   8, 12,   6,   28,  250,   5000,   6, 1941}},
    {119, "Mountain-Infantry division 41",      4,    8, {11000,     0,  0,   0,    16,  12, 12,   4,   60,  100,   4000,   6, 1941}},
    {120, "Border Guard division 40",           4,    6, { 8000,     0,  0,   0,     8,   0,  8,   0,   36,  100,   1500,   6, 1940}},
    {121, "Guard division 40",                  4,    5, {14000,     0,  0,   0,    24,  12, 12,   6,   72,  200,   4000,   6, 1940}},
    {122, "Cavalry brigade 40",                 4,    7, { 6000,     0,  0,   0,     8,   4,  8,   3,   12,  100,   5000,   6, 1940}},
    {123, "Infantry division 39",               6,    5, {14200,     0,  0,   0,    24,  12, 18,   6,   18,  150,   3000,  11, 1939}},
    {124, "Jaeger infantry brigade 40",         6,    6, { 4500,     0,  0,   0,     0,   0, 12,   0,   30,  100,    800,   6, 1940}},
    {125, "Cavalry brigade 40",                 6,    7, { 2500,     0,  0,   0,     8,   0,  4,   0,    8,   40,   2600,   6, 1940}},
    {126, "Infantry division 41",               6,    5, {14500,     0,  0,   0,    24,  12, 18,   6,   40,  200,   4000,   6, 1941}},
    {127, "SS Mountain-infantry division 42",   2,    8, {21000,    10,  0,  10,    24,  36, 40,  20,  100, 1200,   6000,   4, 1942}},
    {128, "Cavalry brigade 42",                 2,    7, { 4500,     0,  0,  10,     6,   6, 12,   6,   24,  200,   4000,   4, 1942}},
    {131, "Artillery division 43",              2,    9, { 9000,     0, 24,   0,    36,  72, 12,  12,    0, 1500,   2000,  10, 1943}},
    {132, "Artillery division 44",              2,    9, { 5000,     0,  0,   0,    24,  48, 12,   0,    0,  800,   1000,   9, 1944}},
    {133, "Anti-tank brigade 40",               2,    9, { 2000,     0, 18,   0,     0,   0, 36,   0,    0,  300,      0,   5, 1940}},
    {134, "Assault artillery brigade 40",       2,    9, {  800,     0, 31,   2,     0,   0,  0,   0,    0,  150,      0,   7, 1940}},
    {135, "Mortar brigade 40",                  2,    9, { 3000,     0,  0,   0,     0,   0,  0,   0,  108,  500,      0,  10, 1940}},
    {136, "Howitzer artillery brigade 35",      2,    9, { 2500,     0,  0,   0,     0,  36,  0,   0,    0,  300,    500,  10, 1935}},
    {137, "Cannon artillery brigade 35",        2,    9, { 2000,     0,  0,   0,    24,   0,  0,   0,    0,  300,    300,  10, 1935}},
    {138, "Artillery brigade 40",               1,    9, { 2000,     0,  0,   0,     0,  36,  0,   0,    0,  150,   1500,   6, 1940}},
    {139, "Assault artillery brigade 43",       1,    9, {  600,     0, 30,   0,     0,   0,  0,   0,    0,   80,      0,  10, 1943}},
    {140, "Artillery brigade 40",               3,    9, { 2500,     0,  0,   0,    12,  24,  0,   0,    0,  250,    800,   6, 1940}},
    {141, "Assault artillery brigade 43",       3,    9, {  700,     0, 24,   0,     0,   0,  0,   0,    0,   80,      0,   3, 1943}},
    {142, "Artillery brigade 40",               4,    9, { 2500,     0,  0,   0,    12,  24,  0,   0,    0,  150,   1200,   6, 1940}},
    {143, "Assault artillery brigade 42",       4,    9, {  600,     0, 24,   0,     0,   0,  0,   0,    0,   80,      0,  10, 1942}},
    {144, "Artillery brigade 40",               6,    9, { 2000,     0,  0,   0,    12,  24,  0,   0,    0,  150,   1500,   6, 1940}},
    {145, "Assault artillery brigade 42",       6,    9, {  700,     0, 30,   0,     0,   0,  0,   0,    0,   80,      0,  10, 1942}},
    {146, "Air defense division 42",            2,   10, {10000,     0,  0,   0,     0,   0,  0, 192,    0, 1500,      0,   4, 1942}},
    {147, "Air defense brigade 41",             2,   10, { 4000,     0,  0,   0,     0,   0,  0,  72,    0,  600,      0,   6, 1941}},
    {148, "Air defense brigade 41",             1,   10, { 2000,     0,  0,   0,     0,   0,  0,  36,    0,  150,      0,   6, 1941}},
    {149, "Air defense brigade 41",             3,   10, { 2000,     0,  0,   0,     0,   0,  0,  36,    0,  300,      0,   6, 1941}},
    {150, "Air defense brigade 40",             4,   10, { 2000,     0,  0,   0,     0,   0,  0,  36,    0,  150,      0,   6, 1940}},
    {151, "Air defense brigade 40",             6,   10, { 2000,     0,  0,   0,     0,   0,  0,  36,    0,  100,      0,   6, 1940}},
    {152, "Motorized brigade 41",               7,    4, { 4000,    35,  0,  12,     8,   4, 12,   4,   12,  700,      0,   6, 1941}},
    {153, "Motorized division 41",              7,    4, { 8500,    20,  0,  12,    12,  12, 24,   8,   24, 1200,      0,   8, 1941}},
    {154, "Infantry division 41",               7,    5, {12000,     0,  0,   0,    12,  12, 18,   4,   30,  200,   3500,   3, 1941}},
    {155, "Security division 41",               7,    5, { 7500,     0,  0,   0,     4,   4,  6,   0,   12,  150,   1500,   8, 1941}},
    {156, "Artillery brigade 41",               7,    9, { 2000,     0,  0,   0,    12,  24,  0,   0,    0,  150,   1000,   3, 1941}},
    {157, "Air defense brigade 41",             7,   10, { 1500,     0,  0,   0,     0,   0,  0,  24,    0,  100,      0,   6, 1941}},
};

// Air types: nominal aircraft by class.
constexpr AirTypeRow kAirTypes[] = {
//   row  name                              nat  kind   fighters  tactical  bombers  level  mon  year
    { 51, "Fighter air regiment 40",          5,   21, {      63,        0,       0,     0,   7, 1940}},
    { 52, "Fighter air regiment 41",          5,   21, {      20,        0,       0,     0,   8, 1941}},
    { 53, "Fighter air regiment 42",          5,   21, {      32,        0,       0,     0,   6, 1942}},
    { 54, "Assault air regiment 40",          5,   22, {       0,       60,       0,     0,   7, 1940}},
    { 55, "Assault air regiment 43",          5,   22, {       0,       32,       0,     0,   1, 1943}},
    { 56, "Tactic bomber air regiment 40",    5,   22, {       0,       60,       0,     0,   7, 1940}},
    { 57, "Average bomber air regiment 40",   5,   23, {       0,        0,      60,     0,   7, 1940}},
    { 58, "Mixed regiment air 40",            5,   23, {      15,       15,      30,     0,   7, 1940}},
    { 59, "Mine-torpedo air regiment 40",     5,   24, {       0,        0,       0,    30,   7, 1940}},
    { 60, "Level bomber air regiment 40",     5,   24, {       0,        0,       0,    60,   7, 1940}},
    {161, "Fighter air group 40",             2,   21, {      44,        0,       0,     0,   7, 1940}},
    {162, "Fighter air regiment 40",          1,   21, {      36,        0,       0,     0,   7, 1940}},
    {163, "Fighter air group 40",             3,   21, {      27,        0,       0,     0,   7, 1940}},
    {164, "Fighter air regiment 40",          4,   21, {      30,        0,       0,     0,   7, 1940}},
    {165, "Fighter air regiment 40",          6,   21, {      30,        0,       0,     0,   7, 1940}},
    {166, "Tactic bomber air group 40",       2,   22, {       0,       39,       0,     0,   7, 1940}},
    {167, "Tactic bomber air regiment 40",    1,   22, {       0,       24,       0,     0,   7, 1940}},
    {168, "Tactic bomber air group 40",       3,   22, {       0,       18,       0,     0,   7, 1940}},
    {169, "Tactic bomber air regiment 40",    4,   22, {       0,       24,       0,     0,   7, 1940}},
    {170, "Tactic bomber air regiment 40",    6,   22, {       0,       12,       0,     0,   7, 1940}},
    {171, "Level bomber air group 40",        2,   24, {       0,        0,       0,    39,   7, 1940}},
    {172, "Level bomber air group 40",        3,   24, {       0,        0,       0,    18,   7, 1940}},
    {173, "Level bomber air regiment 40",     1,   24, {       0,        0,       0,    24,   7, 1940}},
    {174, "Level bomber air regiment 40",     4,   24, {       0,        0,       0,    18,   7, 1940}},
    {175, "Level bomber air regiment 40",     6,   24, {       0,        0,       0,    12,   7, 1940}},
    {177, "Average bomber air group 40",      2,   23, {       0,        0,      39,     0,   7, 1940}},
    {178, "Average bomber air group 40",      3,   23, {       0,        0,      18,     0,   7, 1940}},
    {179, "Average bomber air regiment 40",   1,   23, {       0,        0,      24,     0,   7, 1940}},
    {180, "Average bomber air regiment 40",   4,   23, {       0,        0,      24,     0,   7, 1940}},
    {181, "Average bomber air regiment 40",   6,   23, {       0,        0,      12,     0,   7, 1940}},
};
// clang-format on

// Name of the unused rows: a word padded with blanks to the full field.
constexpr std::string_view kEmptyTypeWord = "Reserve";

constexpr std::array<TFormationType, kFormationTypeRows + 1> BuildFormationTypes() {
  std::array<TFormationType, kFormationTypeRows + 1> table{};
  bool used[kFormationTypeRows + 1]{};
  for (const ArmyTypeRow& r : kArmyTypes) {
    Claim(used, r.row);
    TFormationType& t = table[r.row];
    t.Name = MakeName<35>(r.name);
    t.Nation = r.nation;
    t.Branch = 1;
    t.Men = r.n.men;
    t.Tanks = r.n.tanks;
    t.SPGuns = r.n.spGuns;
    t.ArmouredCars = r.n.armouredCars;
    t.FieldGuns = r.n.fieldGuns;
    t.Howitzers = r.n.howitzers;
    t.ATGuns = r.n.atGuns;
    t.AAGuns = r.n.aaGuns;
    t.Mortars = r.n.mortars;
    t.Cars = r.n.cars;
    t.Horses = r.n.horses;
    t.Month = r.n.month;
    t.Year = r.n.year;
    t.Kind = r.kind;
  }
  for (const AirTypeRow& r : kAirTypes) {
    Claim(used, r.row);
    TFormationType& t = table[r.row];
    t.Name = MakeName<35>(r.name);
    t.Nation = r.nation;
    t.Branch = 2;
    t.Fighters = r.n.fighters;
    t.TacticalBombers = r.n.tacticalBombers;
    t.Bombers = r.n.bombers;
    t.LevelBombers = r.n.levelBombers;
    t.Month = r.n.month;
    t.Year = r.n.year;
    t.Kind = r.kind;
  }
  for (int row = 1; row <= kFormationTypeRows; ++row) {
    if (!used[row]) table[row].Name = MakePaddedName<35>(kEmptyTypeWord);
  }
  return table;
}

}  // namespace

constexpr std::array<TFormationType, kFormationTypeRows + 1> FormationTypes = BuildFormationTypes();

}  // namespace gm
