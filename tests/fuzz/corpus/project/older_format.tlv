1
water 20 C/liq.
10.000
1000.000
1000.000

suction line
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 1.000

 
 
0.354
3.54E+0004


turbulent
0.100
0.025
0.253


0.158
0.000
2
water 20 C/liq.
10.000
1000.000
1000.000


Orifice/1
Diameter of pipe D1 in mm: 100.000
Diameter of pipe D2 in mm: 50.000

 
 
0.354
3.54E+0004


turbulent


2.000


1.251
0.001
3
water 20 C/liq.
10.000
1000.000
1000.000

control valve
Orifice/2
Diameter of element D in mm: 100.000
Resistance coefficient: 2.000

 
 
0.354
3.54E+0004


turbulent


2.000


1.251
0.001
120
18
Arial
255
10
1
0
0
0
