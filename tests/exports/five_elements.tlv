4.0
M
5
145	150	150	150	150	150	
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
10.000
998.200
1002.000


circular/1
Diameter of pipe D in mm: 80.000
Length of pipe L in m: 25.000

 
 
0.553
4.40E+0004


turbulent
0.100
0.025
7.837


11.945
0.012
2
water 20 C/liq.
10.000
998.200
1002.000


Sharpe edged entrance/1
Diameter of pipe D in mm: 80.000


 
The pipe entrance is:  crushed
0.553
4.40E+0004


turbulent


0.250


0.381
0.000
3
water 20 C/liq.
10.000
998.200
1002.000


Circular bend/4
Diameter of pipe D in mm: 80.000
Radius R in mm: 160.000
Angle w in degree: 90.000
 
The surface of pipe is:  smooth
0.553
4.40E+0004


turbulent


0.140


0.854
0.001
4
water 20 C/liq.
10.000
998.200
1002.000


Globe valve/1
Diameter of pipe D in mm: 80.000


 
The valve is:  cast
0.553
4.40E+0004


turbulent


4.000


6.097
0.006
5
water 20 C/liq.
10.000
998.200
1002.000


Vertical difference/1
Vertical difference H in m: 5.000


 
 










489.617
0.490
