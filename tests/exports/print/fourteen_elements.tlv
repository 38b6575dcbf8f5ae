4.0
M
14
145	150	150	150	150	150	150	150	150	150	150	150	150	150	150	
16
MS Sans Serif
0
8
0
0
0
0
1
water 20 C/liq.
40.000
998.200
1002.000

segment 1
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 25.000

 
 
1.415
1.41E+0005


turbulent
0.050
0.019
4.872


48.669
0.049
2
water 20 C/liq.
40.000
998.200
1002.000


Circular bend/1
Diameter of pipe D in mm: 100.000
Radius R in mm: 150.000
Angle w in degree: 90.000
 
The surface of pipe is:  smooth
1.415
1.41E+0005


turbulent


0.175


1.748
0.002
3
water 20 C/liq.
40.000
998.200
1002.000


Resistance coefficient/1
Diameter of element D in mm: 100.000
Resistance coefficient: 2.500

 
 
1.415
1.41E+0005


turbulent


2.500


24.973
0.025
4
water 20 C/liq.
40.000
998.200
1002.000

segment 4
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 12.500

 
 
1.415
1.41E+0005


turbulent
0.050
0.019
2.436


24.335
0.024
5
water 20 C/liq.
40.000
998.200
1002.000


Bend of segments/1
Diameter of pipe D in mm: 100.000
Angle w in degree: 90.000

 
 
1.415
1.41E+0005


turbulent


0.250


2.497
0.002
6
water 20 C/liq.
40.000
998.200
1002.000


Sharpe edged entrance/1
Diameter of pipe D in mm: 100.000


 
The pipe entrance is:  sharpe-edged
1.415
1.41E+0005


turbulent


0.500


4.995
0.005
7
water 20 C/liq.
40.000
998.200
1002.000

segment 7
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 25.000

 
 
1.415
1.41E+0005


turbulent
0.050
0.019
4.872


48.669
0.049
8
water 20 C/liq.
40.000
998.200
1002.000


Circular bend/1
Diameter of pipe D in mm: 100.000
Radius R in mm: 150.000
Angle w in degree: 90.000
 
The surface of pipe is:  smooth
1.415
1.41E+0005


turbulent


0.175


1.748
0.002
9
water 20 C/liq.
40.000
998.200
1002.000


Resistance coefficient/1
Diameter of element D in mm: 100.000
Resistance coefficient: 2.500

 
 
1.415
1.41E+0005


turbulent


2.500


24.973
0.025
10
water 20 C/liq.
40.000
998.200
1002.000

segment 10
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 12.500

 
 
1.415
1.41E+0005


turbulent
0.050
0.019
2.436


24.335
0.024
11
water 20 C/liq.
40.000
998.200
1002.000


Bend of segments/1
Diameter of pipe D in mm: 100.000
Angle w in degree: 90.000

 
 
1.415
1.41E+0005


turbulent


0.250


2.497
0.002
12
water 20 C/liq.
40.000
998.200
1002.000


Sharpe edged entrance/1
Diameter of pipe D in mm: 100.000


 
The pipe entrance is:  sharpe-edged
1.415
1.41E+0005


turbulent


0.500


4.995
0.005
13
water 20 C/liq.
40.000
998.200
1002.000

segment 13
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 25.000

 
 
1.415
1.41E+0005


turbulent
0.050
0.019
4.872


48.669
0.049
14
water 20 C/liq.
40.000
998.200
1002.000


Circular bend/1
Diameter of pipe D in mm: 100.000
Radius R in mm: 150.000
Angle w in degree: 90.000
 
The surface of pipe is:  smooth
1.415
1.41E+0005


turbulent


0.175


1.748
0.002
