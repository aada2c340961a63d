// The constants description catalogue: the help text shown for each machine constants parameter.
//
// Every description is kept as the ordered pieces the controller documentation is written in (a heading,
// one piece per choice or bit, a note); the pieces are joined once, on first use, into a table indexed
// directly by the parameter number, so the reader pays for a single array access per header line.
#include "parameters.h"

#include <array>
#include <cstddef>

namespace
{
struct TCatalogueEntry
{
    int number;
    const char* const* pieces;
    std::size_t piece_count;
};

template <std::size_t N> constexpr TCatalogueEntry Make_Entry(int number, const char* const (&pieces)[N])
{
    return TCatalogueEntry{number, pieces, N};
}

constexpr int HIGHEST_NUMBER = 150;
constexpr std::size_t MAXIMUM_PIECES = 18;
const char* const NO_INFORMATION = "No information available";

// Placeholders shared by several numbers.
const char* const RESERVED[] = {"Reserved"};
const char* const UNUSED[] = {"Unused"};
const char* const UNUSED_PROTOTYPE[] = {"Unused prototype entry; leave at 0"};
const char* const PROTOTYPE_ZERO[] = {"Prototype entry; must be 0"};

// Scale and travel.
const char* const ENTRY_1[] = {"Resolution of scale following interpolation"};
const char* const ENTRY_2[] = {
    "Scale counting direction: 1 when the scale counts up as the axis moves in its positive direction, "
    "-1 when the read head is mounted so that it counts down"};
const char* const ENTRY_3[] = {
    "Location of the minus hardware checkpoint limit switch in machine coordinates; the scale count is "
    "checked against it each time the switch is passed"};
const char* const ENTRY_4[] = {
    "Location of the plus hardware checkpoint limit switch in machine coordinates; the scale count is "
    "checked against it each time the switch is passed"};
const char* const ENTRY_5[] = {
    "Checkpoint limit switch tolerance: a checkpoint switch found further than this from its location "
    "stops the axis with a scale count error"};
const char* const ENTRY_6[] = {
    "Negative software end of travel: the lowest machine coordinate the axis may be commanded to, set "
    "inside the minus limit switch"};
const char* const ENTRY_7[] = {
    "Positive software end of travel: the highest machine coordinate the axis may be commanded to, set "
    "inside the plus limit switch"};

// Servo loop.
const char* const ENTRY_8[] = {
    "Servo loop proportional gain: D/A output per unit of position error, the stiffness of the position "
    "loop"};
const char* const ENTRY_9[] = {
    "Servo loop velocity feed-forward gain: share of the commanded velocity sent straight to the D/A "
    "output, reducing the following error at constant speed"};
const char* const ENTRY_10[] = {
    "Proportional servo gain used while a Wolf and Beck probe is active, in place of the normal "
    "proportional gain"};
const char* const ENTRY_11[] = {
    "Proportional servo gain used while an SP600 probe is active, in place of the normal proportional "
    "gain"};
const char* const ENTRY_13[] = {
    "Servo loop type.  The sign changes the D/A polarity while the absolute value indicates the type.\n\n",
    "0 = no axis\n",
    "1 = Tach-type proportional plus feed-forward\n",
    "2 = Observer with analog D/A output\n",
    "3 = Observer with N.K. Digital PWM amplifier output\n",
    "4 = Tach-type complete loop"};

// Jog, homing and speeds.
const char* const ENTRY_14[] = {"Jog speed when the slow button of the jog box is enabled, in mm/s"};
const char* const ENTRY_15[] = {"Jog speed when the slow button of the jog box is not enabled, in mm/s"};
const char* const ENTRY_16[] = {"For engineering purposes only; keep the value supplied with the machine"};
const char* const ENTRY_17[] = {"Homing speed while the axis moves into the limit switch, in mm/s"};
const char* const ENTRY_18[] = {
    "Homing speed while the axis backs out of the limit switch to find the switch edge, in mm/s"};
const char* const ENTRY_19[] = {
    "Maximum axis speed, also the default speed for moves that do not set their own, in mm/s"};
const char* const ENTRY_20[] = {"Maximum axis acceleration, in mm/s^2"};

// Probing.
const char* const ENTRY_21[] = {
    "Upper deflection limit of the Wolf and Beck probe while probing; a larger deflection stops the move "
    "to protect the stylus, in mm"};
const char* const ENTRY_22[] = {
    "Jog box exit timer: seconds without jog box activity before control returns to the host"};
const char* const ENTRY_23[] = {
    "Minimum distance the machine must travel in manual mode before the direction of travel is taken as "
    "the probing direction, in mm"};
const char* const ENTRY_24[] = {
    "Joystick axis directions: the sign per axis that matches joystick deflection to the direction of "
    "machine travel"};
const char* const ENTRY_25[] = {
    "Touch-trigger probe input source:\n\n", "0 = probe interface on the controller probe connector\n",
    "1 = probe signal through the wrist controller\n",
    "2 = external trigger input on the auxiliary I/O connector\n\n",
    "The controller latches the axis positions on the first edge of the selected input; with source 2 the "
    "external interface must deliver a clean, debounced trigger"};
const char* const ENTRY_27[] = {
    "Maximum number of re-seat attempts after a touch-trigger probe fails to re-seat before an error is "
    "reported"};
const char* const ENTRY_28[] = {
    "Default SP600 trigger force: the probe force at which a single point is taken when the part program "
    "does not select one"};
const char* const ENTRY_29[] = {
    "Upper limit of the analogue probe deflection; a larger deflection stops the machine as a collision, "
    "in mm"};
const char* const ENTRY_30[] = {"Nominal SP600 probe deflection held while scanning, in mm"};
const char* const ENTRY_31[] = {
    "Permitted deviation of the SP600 deflection from its nominal value while scanning; beyond it the scan "
    "is stopped, in mm"};
const char* const ENTRY_32[] = {"Maximum acceleration along the scanning path, in mm/s^2"};
const char* const ENTRY_33[] = {"Maximum deceleration along the scanning path, in mm/s^2"};
const char* const ENTRY_34_TO_36[] = {
    "Scan cut-plane PID element: one term of the loop that keeps the probe tip in the cut plane while "
    "scanning (34 proportional, 35 integral, 36 derivative)"};
const char* const ENTRY_37[] = {"Wrist type:\n\n", "0 = none\n",   "1 = PH9\n",
                                "2 = PH10\n",      "3 = PH10MQ\n", "8 = PHS Servo wrist\n",
                                "16 = CW43 wrist"};
const char* const ENTRY_38[] = {
    "Maximum vector velocity: the limit on the combined speed of all axes along the path, in mm/s"};
const char* const ENTRY_39[] = {"B0  - Rotary table fitted\n",
                                "B1  - Z axis counterbalance monitored\n",
                                "B2  - Air pressure switch monitored\n",
                                "B3  - Emergency stop input active low\n",
                                "B4  - Jog box fitted\n",
                                "B5  - Joystick speed proportional to deflection\n",
                                "B6  - Probe collision input enabled\n",
                                "B7  - Temperature compensation enabled\n",
                                "B8  - Limit switches active low\n",
                                "B9  - Home towards the plus limit switch\n",
                                "B10 - Home on the scale reference marks\n",
                                "B11 - Dual drive gantry fitted\n",
                                "B12 - Z axis brake output fitted\n",
                                "B13 - Drive enable output active low\n",
                                "B14 - Keep the servo on after emergency stop release\n",
                                "B15 - Unused\n"};

// Analogue scanning probe.
const char* const ENTRY_40[] = {
    "Resolution of the SP600 deflection signal: probe deflection per count of its A/D converter, in mm"};
const char* const ENTRY_41[] = {
    "Upper limit of the SP600 probe force; a point taken above it is rejected and the move stopped.\n\n",
    "Note: keep the limit below the force at which the stylus bends, which falls as the stylus gets "
    "longer and heavier."};
const char* const ENTRY_42[] = {
    "Lower limit of the SP600 probe force; below it the probe is not taken to be in contact with the "
    "part.\n\n",
    "Note: set it above the noise of the deflection signal, or the controller sees false contacts while "
    "the machine moves."};
const char* const ENTRY_43[] = {
    "SP600 single point velocity divisor: the approach speed for single point probing is the touch speed "
    "divided by this value.\n\n",
    "Note: 0 and 1 both leave the touch speed unchanged."};
const char* const ENTRY_44[] = {
    "SP600 single point delay: time the probe is left to settle after contact before the point is "
    "recorded, in ms"};
const char* const ENTRY_45[] = {"Wolf and Beck power mode:\n\n", "0 = probe powered off\n",
                                "1 = probe powered while it is selected\n", "2 = probe powered at all times"};

// Temperature compensation.
const char* const ENTRY_46_AND_48[] = {
    "Steinhart-Hart constant term A of the temperature sensor thermistors in 1/T = A + B * ln(R), T in "
    "kelvin and R in ohms (46 for the axis sensors, 48 for the part sensor)"};
const char* const ENTRY_47_AND_49[] = {
    "Steinhart-Hart logarithmic term B of the temperature sensor thermistors in 1/T = A + B * ln(R), T in "
    "kelvin and R in ohms (47 for the axis sensors, 49 for the part sensor)"};
const char* const ENTRY_50[] = {
    "Identification of the part temperature sensor: its channel on the temperature compensation board"};
const char* const ENTRY_51[] = {
    "Identification of the X axis scale temperature sensor: its channel on the temperature compensation "
    "board"};
const char* const ENTRY_52[] = {
    "Identification of the Y axis scale temperature sensor: its channel on the temperature compensation "
    "board"};
const char* const ENTRY_53[] = {
    "Identification of the Z axis scale temperature sensor: its channel on the temperature compensation "
    "board"};

// Probe centering.
const char* const ENTRY_58[] = {
    "SP600 centering contact timeout: time allowed for the probe to make contact in a centering move "
    "before the move is abandoned, in ms"};
const char* const ENTRY_59[] = {
    "SP600 centering settling timeout: time allowed for the probe deflection to settle in the centre "
    "before the point is taken, in ms"};
const char* const ENTRY_60[] = {
    "SP600 centering window: the band of deflection within which the probe is taken to be centred, in "
    "mm.\n\n",
    "Note: a window narrower than the deflection noise makes every centering run out the settling "
    "timeout (parameter 59)."};
const char* const ENTRY_66[] = {
    "Expansion coefficient of the X axis scale, in ppm/K (about 10.5 for steel scales, 8 for glass "
    "scales)"};
const char* const ENTRY_67[] = {
    "Expansion coefficient of the Y axis scale, in ppm/K (about 10.5 for steel scales, 8 for glass "
    "scales)"};
const char* const ENTRY_68[] = {
    "Expansion coefficient of the Z axis scale, in ppm/K (about 10.5 for steel scales, 8 for glass "
    "scales)"};
const char* const ENTRY_69[] = {
    "SP600 correction matrix: nine elements that map the three probe deflection signals onto the machine "
    "axes, removing the cross-talk between the X, Y and Z deflection channels.\n\n",
    "Note: the matrix comes from the probe calibration:\n",
    "1. Fit the calibration stylus and qualify it on the reference sphere.\n",
    "2. Scan the sphere in at least three planes at the nominal deflection (parameter 30).\n",
    "3. Let the calibration program fit the matrix and write it to this parameter.\n",
    "4. Qualify the stylus again; the sphere must now repeat within the permitted scanning deviation "
    "(parameter 31).\n"};

// Network.
const char* const ENTRY_76[] = {
    "IP4 address of the controller on the measurement network, in dotted form such as 192.168.0.10"};
const char* const ENTRY_77[] = {
    "IP4 address of the only host authorized to connect to the controller; 0.0.0.0 accepts any host"};

// Tachless observer loop.
const char* const ENTRY_78[] = {
    "Tachless observer loop: position estimator gain, the weight given to the measured scale position "
    "when the observer corrects its position estimate"};
const char* const ENTRY_79[] = {
    "Tachless observer loop: velocity estimator gain, the weight given to the position error when the "
    "observer estimates the axis velocity without a tachometer"};
const char* const ENTRY_80[] = {
    "Tachless observer loop: drive model gain, the acceleration the observer predicts per unit of D/A "
    "output"};
const char* const ENTRY_81[] = {
    "Tachless observer loop: velocity loop gain applied to the estimated velocity in place of a "
    "tachometer signal"};
const char* const ENTRY_82[] = {"Engineering use only; do not change"};
const char* const ENTRY_83[] = {
    "In-position tolerance per axis: the position error below which a move is taken as complete, in mm"};
const char* const ENTRY_84[] = {
    "Wrist orientation: angle of the wrist mounting about the ram axis, in degrees (0, 90, 180 or 270)"};
const char* const ENTRY_85[] = {
    "Home offset: distance from the home switch edge or reference mark to machine zero, in mm"};
const char* const ENTRY_86[] = {
    "Probe changer rack constants, the elements of ACR_PAR.\n\n",
    "ACR_PAR element 1, rack type:\n\n",
    "0 = no rack\n",
    "1 = passive rack, ports opened by the stylus\n",
    "2 = motorised rack with a lid\n\n",
    "ACR_PAR element 2, port locking:\n\n",
    "0 = ports not locked\n",
    "1 = ports locked by a rack output\n",
    "2 = ports locked by the wrist\n\n",
    "Note: the port positions are measured by the rack calibration routine and are not kept in this "
    "parameter."};
const char* const ENTRY_87[] = {
    "Distance the SP600 probe retracts from the surface after a manual point, in mm"};
const char* const ENTRY_92[] = {
    "Rotary table configuration word: table type, direction of rotation and counts per revolution as set "
    "by the table installation"};
const char* const ENTRY_93[] = {
    "Temperature compensation reference point: the machine position that stays fixed as the scales "
    "expand, in mm"};
const char* const ENTRY_94[] = {
    "Number of taps of the DEA position feedback filter; more taps smooth the feedback further but add "
    "delay to the servo loop"};

// FLY (on-the-fly) motion.
const char* const ENTRY_96[] = {
    "Duration of the FLY jerk limiter: the time over which the acceleration is ramped up or down in "
    "on-the-fly moves, in ms. A longer duration gives smoother motion but a longer move.\n\n",
    "Jerk = Acceleration * 1000 / Duration\n\n", "Example:\n",
    "Acceleration = 500 mm/s^2, Duration = 50 ms: Jerk = 500 * 1000 / 50 = 10000 mm/s^3\n"};
const char* const ENTRY_97[] = {"Deceleration per axis when a FLY move is held, in mm/s^2"};
const char* const ENTRY_98[] = {
    "Deceleration per axis when the probe deflects during a FLY move (TTP_DECL), in mm/s^2"};
const char* const ENTRY_99[] = {
    "FLY link distances, the elements of FLY_DFLT: the distance before each point over which consecutive "
    "FLY moves are blended into one path, in mm"};

// PID loop and feedback.
const char* const ENTRY_100[] = {
    "PID integrative value: removes the steady position error that the proportional gain leaves"};
const char* const ENTRY_101[] = {
    "PID derivative value: damps the position loop by acting on the rate of change of the error"};
const char* const ENTRY_102[] = {
    "DPID or PID selection: 0 for PID, 1 for DPID, where the derivative acts on the measured position "
    "only so that a setpoint change gives no kick"};
const char* const ENTRY_103[] = {
    "D/A input value needed to move axis at the maximum speed. Defines the relationship between the "
    "output voltage of the D/A converter and the machine axis speed and is subsequently used for gain "
    "calculations\n\n",
    "Gain = 32768 * DA_Volts / DA_Full_Scale\n\n", "where:\n",
    "DA_Full_Scale = 5v for FB-PC, B3C/LC, B3CS, B6CS\n", "DA_Full_Scale = 10v for Sharpe32\n"};
const char* const ENTRY_104[] = {
    "Static position error algorithm: 0 leaves the residual error of a stopped axis, 1 removes it with "
    "integral action while the axis is stationary"};
const char* const ENTRY_105[] = {
    "Stationary position stability: the band within which a stopped axis is held before the servo "
    "corrects it, in mm"};
const char* const ENTRY_106[] = {
    "Stationary feedback insensitivity: scale counts of feedback change ignored while the axis is "
    "stationary, so that the drive does not hunt about one count"};
const char* const ENTRY_107[] = {
    "Acceleration feed forward: share of the commanded acceleration added to the D/A output, reducing the "
    "following error while the axis accelerates"};
const char* const ENTRY_108[] = {
    "Cut-off of the low-pass filter on the position feedback, in Hz; a lower cut-off suppresses scale "
    "noise but adds phase lag to the loop"};
const char* const ENTRY_109[] = {
    "Lag error threshold: the following error above which the axis is stopped and a lag error reported, "
    "in mm"};
const char* const ENTRY_110[] = {"Proportional component of the servo loop during FLY moves"};
const char* const ENTRY_111[] = {"Integrative component of the servo loop during FLY moves"};
const char* const ENTRY_112[] = {
    "B0  - Enable FLY moves\n",
    "B1  - Blend consecutive moves over the link distances (FLY_DFLT)\n",
    "B2  - Stop at the end of every probing move\n",
    "B3  - Use the jerk limiter (parameter 96)\n",
    "B4  - Hold FLY moves on the feed hold button\n",
    "B5  - Decelerate with TTP_DECL when the probe deflects\n",
    "B6  - Keep the vector speed constant through links\n",
    "B7  - Use the FLY proportional and integrative components\n",
    "B8  - Report lag errors during FLY moves\n",
    "\nNote: with B5 clear an axis stops with the hold deceleration (parameter 97) when the probe "
    "deflects."};
const char* const ENTRY_113[] = {
    "Anti-collision devices present: 0 for none, 1 when the collision sensors are fitted and monitored"};

// Reference marks and measuring.
const char* const ENTRY_114[] = {
    "Reference mark distance: the nominal spacing of the distance-coded reference marks on the scale, in "
    "mm"};
const char* const ENTRY_115[] = {
    "Reference mark tolerance: how far a reference mark may be found from its expected position before "
    "homing fails, in mm"};
const char* const ENTRY_116[] = {
    "Maximum measuring speed: the highest approach speed allowed for probing moves, in mm/s"};
const char* const ENTRY_117[] = {"Observer gain used while a laser probe is fitted"};
const char* const ENTRY_118[] = {"Observer gain used while an SP600 probe is fitted"};

// Dual drive gantry.
const char* const ENTRY_119[] = {"Primary axis configuration:\n\n", "0 = X axis is the primary axis\n",
                                 "1 = Y axis is the primary axis (gantry)\n",
                                 "2 = Z axis is the primary axis (horizontal arm)"};
const char* const ENTRY_120[] = {
    "Identification of the slave scale of a dual drive gantry: the encoder channel that reads the slave "
    "side"};
const char* const ENTRY_121[] = {
    "Distance from the slave scale to the negative X end of the gantry beam, in mm"};
const char* const ENTRY_122[] = {
    "Distance from the master scale to the positive X end of the gantry beam, in mm"};
const char* const ENTRY_123[] = {
    "Offset between the master and slave scales found after homing, applied to the slave so that the "
    "gantry beam stays square, in mm"};
const char* const ENTRY_124[] = {
    "Maximum error allowed between the master and slave scales; a larger difference stops both drives, in "
    "mm"};
const char* const ENTRY_125[] = {
    "Dual drive clutch correction: gain applied to the master/slave difference to keep the two sides of "
    "the gantry together"};
const char* const ENTRY_126[] = {"Cut-off of the high-pass filter on the acceleration feed forward, in Hz"};
const char* const ENTRY_127[] = {
    "Speed feed forward identification: the measured D/A value per unit of speed used by the velocity "
    "feed-forward term"};
const char* const ENTRY_128[] = {"Controller parameter 128"};
const char* const ENTRY_129[] = {"Controller parameter 129"};
const char* const ENTRY_130[] = {"Home sequence of the linear axes:\n\n", "0: all axes home together\n",
                                 "1: Z first, then X and Y together\n", "2: Z first, then X, then Y\n",
                                 "3: Z first, then Y, then X"};
const char* const ENTRY_131[] = {
    "Rotary table origin: the table angle taken as zero after the table has homed, in degrees"};
const char* const ENTRY_132[] = {
    "Width of the scale zero pulse, in counts; used to recognise the edge of the reference mark"};
const char* const ENTRY_133[] = {
    "Overspeed threshold: the speed, in percent of the maximum axis speed, above which the axis is stopped"};
const char* const ENTRY_134[] = {"Number of the file used by the automatic servo adjustment"};
const char* const ENTRY_135[] = {
    "ENABLE CYCLE device control: the device (jog box, host or external switch) that must assert ENABLE "
    "CYCLE before the axes may move"};

// Stroke and speed reduction.
const char* const ENTRY_136[] = {
    "B3CS speed reduction: the share of the maximum axis speed, in percent, allowed while the reduction "
    "is active"};
const char* const ENTRY_137[] = {
    "B3CS stroke reduction by input (IN_RED): the digital input that, while active, limits the axes to "
    "the stroke reduced by M_SWLIMR and P_SWLIMR. 0 disables the reduction.\n\n",
    "IN_RED = (Board - 1) * 16 + Input\n\n", "Examples:\n",
    "Board 1, Input 5: IN_RED = (1 - 1) * 16 + 5 = 5\n",
    "Board 2, Input 3: IN_RED = (2 - 1) * 16 + 3 = 19\n"};
const char* const ENTRY_138[] = {
    "B3CS stroke reduction by output: the digital output switched on while the reduced stroke is in force, "
    "so that guards or lamps can show it. 0 disables the output.\n\n",
    "Output value = (Board - 1) * 16 + Output\n\n", "Examples:\n",
    "Board 1, Output 8: Output value = (1 - 1) * 16 + 8 = 8\n",
    "Board 3, Output 2: Output value = (3 - 1) * 16 + 2 = 34\n"};
const char* const ENTRY_139[] = {
    "B3CS stroke reduction of the minimum coordinate (M_SWLIMR): the distance by which the negative "
    "software end of travel (parameter 6) moves inwards while the stroke reduction is active, in mm.\n\n",
    "Reduced minimum = Negative end of travel + M_SWLIMR\n\n", "Examples:\n",
    "Negative end of travel -5.0, M_SWLIMR 100.0: Reduced minimum = -5.0 + 100.0 = 95.0\n",
    "Negative end of travel 0.0, M_SWLIMR 250.5: Reduced minimum = 0.0 + 250.5 = 250.5\n"};
const char* const ENTRY_140[] = {
    "B3CS stroke reduction of the maximum coordinate (P_SWLIMR): the distance by which the positive "
    "software end of travel (parameter 7) moves inwards while the stroke reduction is active, in mm.\n\n",
    "Reduced maximum = Positive end of travel - P_SWLIMR\n\n", "Example:\n",
    "Positive end of travel 1200.0, P_SWLIMR 200.0: Reduced maximum = 1200.0 - 200.0 = 1000.0\n"};

// Configuration bit words.
const char* const ENTRY_142[] = {"B0  - Probe head fitted\n",
                                 "B1  - Probe changer rack fitted\n",
                                 "B2  - Air bearing pressure monitored\n",
                                 "B3  - Enclosure door interlock fitted\n",
                                 "B4  - Stroke reduction available\n",
                                 "B5  - Speed reduction available\n",
                                 "B6  - Unused\n"};
const char* const ENTRY_146[] = {"B0  - Wrist has Battery Backup\n", "B1  - Unused\n",
                                 "B2  - Use Tesastar-M WD Command\n"};
const char* const ENTRY_150[] = {"B0  - Scanning enabled\n",
                                 "B1  - FLY moves enabled\n",
                                 "B2  - Tachless observer loop on the X axis\n",
                                 "B3  - Tachless observer loop on the Y axis\n",
                                 "B4  - Tachless observer loop on the Z axis\n",
                                 "B5  - Reference marks are distance coded\n",
                                 "B6  - Part temperature compensation\n",
                                 "B7  - Scale temperature compensation\n",
                                 "B8  - Dual drive gantry on the Y axis\n",
                                 "B9  - Slave scale monitored\n",
                                 "B10 - Jerk limiting enabled\n",
                                 "B11 - Anti-collision devices monitored\n",
                                 "B12 - Rotary table enabled\n",
                                 "B13 - Only the authorized host may connect (parameter 77)\n",
                                 "B14 - Unused\n",
                                 "B15 - Unused\n"};

const TCatalogueEntry CATALOGUE[] = {
    Make_Entry(1, ENTRY_1),           Make_Entry(2, ENTRY_2),           Make_Entry(3, ENTRY_3),
    Make_Entry(4, ENTRY_4),           Make_Entry(5, ENTRY_5),           Make_Entry(6, ENTRY_6),
    Make_Entry(7, ENTRY_7),           Make_Entry(8, ENTRY_8),           Make_Entry(9, ENTRY_9),
    Make_Entry(10, ENTRY_10),         Make_Entry(11, ENTRY_11),         Make_Entry(12, RESERVED),
    Make_Entry(13, ENTRY_13),         Make_Entry(14, ENTRY_14),         Make_Entry(15, ENTRY_15),
    Make_Entry(16, ENTRY_16),         Make_Entry(17, ENTRY_17),         Make_Entry(18, ENTRY_18),
    Make_Entry(19, ENTRY_19),         Make_Entry(20, ENTRY_20),         Make_Entry(21, ENTRY_21),
    Make_Entry(22, ENTRY_22),         Make_Entry(23, ENTRY_23),         Make_Entry(24, ENTRY_24),
    Make_Entry(25, ENTRY_25),         Make_Entry(26, UNUSED),           Make_Entry(27, ENTRY_27),
    Make_Entry(28, ENTRY_28),         Make_Entry(29, ENTRY_29),         Make_Entry(30, ENTRY_30),
    Make_Entry(31, ENTRY_31),         Make_Entry(32, ENTRY_32),         Make_Entry(33, ENTRY_33),
    Make_Entry(34, ENTRY_34_TO_36),   Make_Entry(35, ENTRY_34_TO_36),   Make_Entry(36, ENTRY_34_TO_36),
    Make_Entry(37, ENTRY_37),         Make_Entry(38, ENTRY_38),         Make_Entry(39, ENTRY_39),
    Make_Entry(40, ENTRY_40),         Make_Entry(41, ENTRY_41),         Make_Entry(42, ENTRY_42),
    Make_Entry(43, ENTRY_43),         Make_Entry(44, ENTRY_44),         Make_Entry(45, ENTRY_45),
    Make_Entry(46, ENTRY_46_AND_48),  Make_Entry(47, ENTRY_47_AND_49),  Make_Entry(48, ENTRY_46_AND_48),
    Make_Entry(49, ENTRY_47_AND_49),  Make_Entry(50, ENTRY_50),         Make_Entry(51, ENTRY_51),
    Make_Entry(52, ENTRY_52),         Make_Entry(53, ENTRY_53),         Make_Entry(54, UNUSED),
    Make_Entry(55, UNUSED_PROTOTYPE), Make_Entry(56, UNUSED_PROTOTYPE), Make_Entry(57, UNUSED_PROTOTYPE),
    Make_Entry(58, ENTRY_58),         Make_Entry(59, ENTRY_59),         Make_Entry(60, ENTRY_60),
    Make_Entry(61, RESERVED),         Make_Entry(62, RESERVED),         Make_Entry(63, RESERVED),
    Make_Entry(64, RESERVED),         Make_Entry(65, RESERVED),         Make_Entry(66, ENTRY_66),
    Make_Entry(67, ENTRY_67),         Make_Entry(68, ENTRY_68),         Make_Entry(69, ENTRY_69),
    Make_Entry(70, PROTOTYPE_ZERO),   Make_Entry(71, PROTOTYPE_ZERO),   Make_Entry(72, PROTOTYPE_ZERO),
    Make_Entry(73, RESERVED),         Make_Entry(74, RESERVED),         Make_Entry(75, RESERVED),
    Make_Entry(76, ENTRY_76),         Make_Entry(77, ENTRY_77),         Make_Entry(78, ENTRY_78),
    Make_Entry(79, ENTRY_79),         Make_Entry(80, ENTRY_80),         Make_Entry(81, ENTRY_81),
    Make_Entry(82, ENTRY_82),         Make_Entry(83, ENTRY_83),         Make_Entry(84, ENTRY_84),
    Make_Entry(85, ENTRY_85),         Make_Entry(86, ENTRY_86),         Make_Entry(87, ENTRY_87),
    Make_Entry(88, RESERVED),         Make_Entry(89, RESERVED),         Make_Entry(90, RESERVED),
    Make_Entry(91, RESERVED),         Make_Entry(92, ENTRY_92),         Make_Entry(93, ENTRY_93),
    Make_Entry(94, ENTRY_94),         Make_Entry(95, RESERVED),         Make_Entry(96, ENTRY_96),
    Make_Entry(97, ENTRY_97),         Make_Entry(98, ENTRY_98),         Make_Entry(99, ENTRY_99),
    Make_Entry(100, ENTRY_100),       Make_Entry(101, ENTRY_101),       Make_Entry(102, ENTRY_102),
    Make_Entry(103, ENTRY_103),       Make_Entry(104, ENTRY_104),       Make_Entry(105, ENTRY_105),
    Make_Entry(106, ENTRY_106),       Make_Entry(107, ENTRY_107),       Make_Entry(108, ENTRY_108),
    Make_Entry(109, ENTRY_109),       Make_Entry(110, ENTRY_110),       Make_Entry(111, ENTRY_111),
    Make_Entry(112, ENTRY_112),       Make_Entry(113, ENTRY_113),       Make_Entry(114, ENTRY_114),
    Make_Entry(115, ENTRY_115),       Make_Entry(116, ENTRY_116),       Make_Entry(117, ENTRY_117),
    Make_Entry(118, ENTRY_118),       Make_Entry(119, ENTRY_119),       Make_Entry(120, ENTRY_120),
    Make_Entry(121, ENTRY_121),       Make_Entry(122, ENTRY_122),       Make_Entry(123, ENTRY_123),
    Make_Entry(124, ENTRY_124),       Make_Entry(125, ENTRY_125),       Make_Entry(126, ENTRY_126),
    Make_Entry(127, ENTRY_127),       Make_Entry(128, ENTRY_128),       Make_Entry(129, ENTRY_129),
    Make_Entry(130, ENTRY_130),       Make_Entry(131, ENTRY_131),       Make_Entry(132, ENTRY_132),
    Make_Entry(133, ENTRY_133),       Make_Entry(134, ENTRY_134),       Make_Entry(135, ENTRY_135),
    Make_Entry(136, ENTRY_136),       Make_Entry(137, ENTRY_137),       Make_Entry(138, ENTRY_138),
    Make_Entry(139, ENTRY_139),       Make_Entry(140, ENTRY_140),       Make_Entry(142, ENTRY_142),
    Make_Entry(146, ENTRY_146),       Make_Entry(150, ENTRY_150)};

using TDescriptionTable = std::array<QString, HIGHEST_NUMBER + 1>;

// Joins every entry's pieces once; afterwards a description is one array access by parameter number.
TDescriptionTable Build_Description_Table()
{
    TDescriptionTable table;
    for (const TCatalogueEntry& entry : CATALOGUE)
    {
        Q_ASSERT_X(entry.number >= 1 && entry.number <= HIGHEST_NUMBER, "parameterscatalogue.cpp",
                   "entry.number >= 1 && entry.number <= HIGHEST_NUMBER");
        Q_ASSERT_X(entry.piece_count >= 1 && entry.piece_count <= MAXIMUM_PIECES, "parameterscatalogue.cpp",
                   "entry.piece_count >= 1 && entry.piece_count <= MAXIMUM_PIECES");
        Q_ASSERT_X(table[static_cast<std::size_t>(entry.number)].isEmpty(), "parameterscatalogue.cpp",
                   "table[entry.number].isEmpty()");

        QString text;
        for (std::size_t piece = 0; piece < entry.piece_count; ++piece)
        {
            text += QLatin1String(entry.pieces[piece]);
        }
        table[static_cast<std::size_t>(entry.number)] = text;
    }
    return table;
}
} // namespace

QString TParameters::Get_Constants_Description(const int& number) const
{
    static const TDescriptionTable table = Build_Description_Table();

    if (number >= 0 && number <= HIGHEST_NUMBER)
    {
        const QString& description = table[static_cast<std::size_t>(number)];
        if (!description.isEmpty())
        {
            return description;
        }
    }
    return QString::fromLatin1(NO_INFORMATION);
}
